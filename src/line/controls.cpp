// The line panel's controls: the slider, the direction buttons, the range of the slider in metres, the
// warning above 150 MHz and the power exchange.
#include "line/line.h"
#include "numeric/numtext.h"

namespace line {

namespace {

// The power-exchange flag is raised for one click of Command9 only; it is lowered again also when the
// computation is stopped by an arithmetic fault, so later runs read Text29.
class ExchangeFlag {
  public:
    explicit ExchangeFlag(int16_t& cf) : CF(cf) { CF = 1; }
    ~ExchangeFlag() { CF = 0; }
    ExchangeFlag(const ExchangeFlag&) = delete;
    ExchangeFlag& operator=(const ExchangeFlag&) = delete;

  private:
    int16_t& CF;
};

} // namespace

void hScroll1Change(ui::Form& f) {
    f.setBack("Text29", ui::BackColor::Window);
    LineCompute(f);
}

void option10Click(ui::Form& f) {
    f.setText("Text22", "");
    f.setValue("HScroll1", 1);
}

void option9Click(ui::Form& f) {
    f.setText("Text22", "");
    f.setValue("HScroll1", 720);
}

std::string rangeText(const ui::Form& f, Real halfWaves, Real velocityFactor, Real mhz) {
    Real from = (halfWaves - 1) * velocityFactor * kRangeHalfWave / mhz;
    Real to = halfWaves * velocityFactor * kRangeHalfWave / mhz;
    return f.fmt(from.value(), "0.00") + " - " + f.fmt(to.value(), "0.00") + " mtrs.";
}

void HalfWaveRange(ui::Form& f) {
    auto& v = f.vars<LineVars>();
    f.setText("Text22", "");
    LineData(f);
    // The cycle number is the one of the latest line computation.
    f.setText("Text41", rangeText(f, v.NL, v.LVF, f.val("Text28")));
}

void text27LostFocus(ui::Form& f) {
    f.setBold("Text22", true);
    HalfWaveRange(f);
}

void text28LostFocus(ui::Form& f) {
    f.setBold("Text22", true);
    HalfWaveRange(f);
    if (f.val("Text28") > kCableDataMaxMhz)
        f.setVisible("Label36", true);
}

void PowerExchange(ui::Form& f) {
    auto& v = f.vars<LineVars>();
    ExchangeFlag exchange(v.CF);
    if (f.val("Text29") > 0) {
        v.Watt = f.val("Text29");
        // The latest run delivered LPWR to the far point for the power now in Text29; the run is linear in
        // power, so Watt^2 / LPWR at the measured point delivers Watt there.
        v.Watt = num::pow(v.Watt, 2) / v.LPWR;
        f.setText("Text29", num::Format(v.Watt.value(), "0.0"));
        f.setBack("Text29", ui::BackColor::Highlight);
    } else {
        // Nothing to exchange: an ordinary run on the field's own value, never a power left over from an
        // earlier exchange.
        v.CF = 0;
    }
    LineCompute(f);
}

} // namespace line
