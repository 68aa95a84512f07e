// The window's design: every control in its design state, before the Load handling changes it.
#include "ui/controlset.h"

#include <cctype>
#include <cstddef>
#include <utility>

namespace ui {
namespace {

Control make(std::string name, Kind kind, std::string container, std::string text, int l, int t, int w,
             int h) {
    Control c;
    c.name = std::move(name);
    c.kind = kind;
    c.container = std::move(container);
    c.text = std::move(text);
    c.geom = {l, t, w, h};
    return c;
}

Control makeFrame(std::string n, std::string cont, std::string caption, int l, int t, int w, int h) {
    return make(std::move(n), Kind::Frame, std::move(cont), std::move(caption), l, t, w, h);
}

Control makeLabel(std::string n, std::string cont, std::string caption, int l, int t, int w, int h) {
    return make(std::move(n), Kind::Label, std::move(cont), std::move(caption), l, t, w, h);
}

// Input text box: enabled, editable, with its start text.
Control makeInput(std::string n, std::string cont, std::string text, int l, int t, int w, int h) {
    return make(std::move(n), Kind::TextBox, std::move(cont), std::move(text), l, t, w, h);
}

// Result text box: written by the program only; disabled and locked unless stated otherwise.
Control makeResult(std::string n, std::string cont, int l, int t, int w, int h, bool multiLine,
                   bool enabled = false) {
    Control c = make(std::move(n), Kind::TextBox, std::move(cont), "", l, t, w, h);
    c.result = true;
    c.locked = true;
    c.multiLine = multiLine;
    c.enabled = enabled;
    return c;
}

// Command button; the access key is the upper-case character after "&" in the caption.
Control makeButton(std::string n, std::string cont, std::string caption, int l, int t, int w, int h) {
    Control c = make(std::move(n), Kind::CommandButton, std::move(cont), std::move(caption), l, t, w, h);
    const std::size_t amp = c.text.find('&');
    if (amp != std::string::npos && amp + 1 < c.text.size())
        c.accessKey = static_cast<char>(std::toupper(static_cast<unsigned char>(c.text[amp + 1])));
    return c;
}

Control makeOption(std::string n, std::string cont, std::string caption, int l, int t, int w, int h,
                   bool selected = false) {
    Control c = make(std::move(n), Kind::OptionButton, std::move(cont), std::move(caption), l, t, w, h);
    c.value = selected ? 1 : 0;
    return c;
}

Control hidden(std::string n) {
    Control c = make(std::move(n), Kind::ListBox, "Frame19", "", 0, 0, 0, 0);
    c.visible = false;
    return c;
}

// One of the five identical S-parameter frames inside Frame13 (two labels and two fields each).
void sFrame(std::vector<Control>& v, const std::string& frame, const std::string& caption, int l, int t,
            const std::string& reText, const std::string& reLabel, const std::string& imText,
            const std::string& imLabel) {
    v.push_back(makeFrame(frame, "Frame13", caption, l, t, 2175, 735));
    v.push_back(makeLabel(reLabel, frame, "R:", 120, 360, 255, 225));
    v.push_back(makeInput(reText, frame, "", 340, 240, 655, 375));
    v.push_back(makeLabel(imLabel, frame, "I:", 1080, 360, 255, 255));
    v.push_back(makeInput(imText, frame, "", 1300, 240, 655, 375));
}

const std::pair<const char*, const char*> kToolTips[] = {
    {"Text23", "Inserire la resistenza del punto misurato (ohm)."},
    {"Text24", "Inserire la reattanza del punto misurato (ohm)."},
    {"Text28", "Inserire la frequenza (MHz)."},
    {"Text29", "Inserire la potenza del punto misurato (watt)."},
    {"Text26", "Inserire l'impedenza del ricetrasmettitore (ohm)."},
    {"Text25", "Inserire l'impedenza caratteristica della linea (Ohm)."},
    {"Text27", "Inserire il fattore di velocità della linea."},
    // "lasciano" (sic) in Text30 is the caption as it was written.
    {"Text30", "Connettere la prima porta del VNA al cavo proveniente dall’antenna, lasciano la seconda "
               "porta vuota. Inserire la parte reale di S11 come S Ant. parte reale."},
    {"Text34", "Connettere la prima porta del VNA al cavo proveniente dall’antenna, lasciando la seconda "
               "porta vuota. Inserire la parte immaginaria di S11 come S Ant. parte immaginaria."},
    {"Text36", "Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT "
               "del tuner. Leggere l’S11 sul VNA ed inserire la parte reale."},
    {"Text37", "Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT "
               "del tuner. Leggere l’S11 sul VNA ed inserire la parte immaginaria."},
    {"Text33", "Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT "
               "del tuner. Leggere l’S21 sul VNA ed inserire la parte reale."},
    {"Text32", "Connettere la prima porta del VNA alla porta RTX del tuner e la seconda porta alla porta ANT "
               "del tuner. Leggere l’S21 sul VNA ed inserire la parte immaginaria."},
    {"Text31", "Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del "
               "tuner. Leggere l’S11 sul VNA ed inserire la parte reale come S22 parte reale."},
    {"Text35", "Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del "
               "tuner. Leggere l’S11 sul VNA ed inserire la parte immaginaria come S22 parte immaginaria."},
    {"Text38", "Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del "
               "tuner. Leggere l’S21 sul VNA ed inserire la parte reale come S12 parte reale."},
    // Text39 in the manner of the other S-parameter fields.
    {"Text39", "Connettere la prima porta del VNA alla porta ANT del tuner e la seconda alla porta RTX del "
               "tuner. Leggere l’S21 sul VNA ed inserire la parte immaginaria come S12 parte immaginaria."},
};

// What a screen reader says each field is. An input is named by its label and unit, with the panel or
// the frame where the same label stands in more than one place; a result field by what it holds.
const std::pair<const char*, const char*> kAccessibleNames[] = {
    // The point: measured impedance, voltage, power, current, reference impedance.
    {"Text7", "R ohm"},
    {"Text8", "X ohm"},
    {"Text9", "Tensione V"},
    {"Text10", "Potenza W o dBm"},
    {"Text18", "Corrente A"},
    {"Text12", "R0 ohm"},
    {"Text11", "X0 ohm"},
    {"Text6", "POT. DIR W"},
    {"Text2", "Potenza e corrente dalla tensione"},
    {"Text3", "Tensione e corrente dalla potenza"},
    {"Text19", "Potenza e tensione dalla corrente"},
    {"Text4", "SWR e dati ausiliari"},
    // The input-output comparison.
    {"Text15", "Input Z R ohm"},
    {"Text1", "Input Z X ohm"},
    {"Text16", "Output Z R ohm"},
    {"Text17", "Output Z X ohm"},
    {"Text13", "Input V"},
    {"Text14", "Output V"},
    {"Text20", "Input A"},
    {"Text21", "Output A"},
    // The tuner's S-parameters: the field on the left of each frame is the real part.
    {"Text30", "S Ant. parte reale"},
    {"Text34", "S Ant. parte immaginaria"},
    {"Text36", "S 11 parte reale"},
    {"Text37", "S 11 parte immaginaria"},
    {"Text33", "S 21 parte reale"},
    {"Text32", "S 21 parte immaginaria"},
    {"Text31", "S 22 parte reale"},
    {"Text35", "S 22 parte immaginaria"},
    {"Text38", "S 12 parte reale"},
    {"Text39", "S 12 parte immaginaria"},
    {"Text5", "Confronto input-output e perdite dell'accordatore"},
    // The transmission line.
    {"Text23", "Linea R ohm"},
    {"Text24", "Linea X ohm"},
    {"Text28", "MHz"},
    {"Text29", "watt"},
    {"Text26", "RTX Z ohm"},
    {"Combo2", "Cavo"},
    {"Text40", "dB/100 metri"},
    {"Text25", "Z ohm"},
    {"Text27", "V.F."},
    {"Combo1", "Numero di cicli lambda/2"},
    {"HScroll1", "Spostamento lungo la linea"},
    {"Text41", "Tratto di linea dello spostamento in metri"},
    {"Text22", "Tensione, corrente, potenza, SWR sulla linea"},
};

// ---- Panel Frame1 (left): voltage, power, current and SWR at a point ----
void addPointPanel(std::vector<Control>& v) {
    v.push_back(makeFrame("Frame1", "", "Calcolo di tensione, potenza, corrente, SWR", 50, 0, 5200, 7200));
    v.push_back(makeFrame("Frame4", "Frame1", "Impedenza Z misurata", 120, 240, 5000, 750));
    v.push_back(makeLabel("Label2(0)", "Frame4", "R ohm:", 120, 360, 735, 255));
    v.push_back(makeLabel("Label2(1)", "Frame4", "X ohm:", 1680, 360, 735, 255));
    v.push_back(makeLabel("Label8", "Frame4", "Inserire R ed X misurate al punto di interesse", 3000, 105,
                          1575, 615));
    v.push_back(makeInput("Text7", "Frame1", "", 960, 480, 615, 375));  // lies inside Frame4's area
    v.push_back(makeInput("Text8", "Frame1", "", 2400, 480, 615, 375)); // lies inside Frame4's area
    v.push_back(makeLabel("Label4", "Frame1", "Per ricavare la potenza e la corrente dalla tensione", 120,
                          1005, 3855, 255));
    v.push_back(makeFrame("Frame3", "", "", 240, 1200, 1425, 495)); // on the window, laid over Frame1
    v.push_back(makeOption("Option1", "Frame3", "Vrms", 0, 0, 800, 255, true));
    v.push_back(makeOption("Option2", "Frame3", "Vpp", 720, 0, 615, 255));
    v.push_back(makeOption("Option13", "Frame3", "Vp", 0, 240, 615, 255));
    v.push_back(makeInput("Text9", "Frame1", "", 1600, 1280, 615, 375));
    v.push_back(makeButton("Command1", "Frame1", "CALCOLA &POTENZA E CORRENTE", 2280, 1280, 2775, 375));
    v.push_back(makeResult("Text2", "Frame1", 120, 1720, 4935, 375, false));
    v.push_back(makeLabel("Label5", "Frame1", "Per ricavare la tensione e la corrente dalla potenza", 120,
                          2160, 3855, 255));
    v.push_back(makeFrame("Frame10", "Frame1", "", 120, 2360, 825, 495));
    v.push_back(makeOption("Option8", "Frame10", "Watt", 0, 0, 800, 255, true));
    v.push_back(makeOption("Option7", "Frame10", "dBm", 0, 240, 615, 255));
    v.push_back(makeInput("Text10", "Frame1", "", 960, 2420, 615, 375));
    v.push_back(makeButton("Command2", "Frame1", "CALCOLA &TENSIONE E CORRENTE", 1920, 2400, 3135, 375));
    v.push_back(makeResult("Text3", "Frame1", 120, 2860, 4935, 375, false));
    v.push_back(makeLabel("Label10", "Frame1", "Per ricavare la potenza e la tensione dalla corrente", 120,
                          3300, 3975, 255));
    v.push_back(makeLabel("Label11", "Frame1", "Corrente A:", 120, 3645, 855, 255));
    v.push_back(makeInput("Text18", "Frame1", "", 960, 3550, 615, 375));
    v.push_back(makeButton("Command5", "Frame1", "C&ALCOLA POTENZA E TENSIONE", 1920, 3550, 3135, 375));
    v.push_back(makeResult("Text19", "Frame1", 120, 3990, 4935, 375, false));
    v.push_back(makeLabel("Label3", "Frame1", "Dati ausiliari:", 120, 4450, 1215, 255));
    v.push_back(makeFrame("Frame5", "Frame1", "Impedenza di riferimento Z0", 120, 4680, 4935, 750));
    v.push_back(makeLabel("Label2(5)", "Frame5", "R0 ohm:", 100, 360, 735, 255));
    v.push_back(makeLabel("Label2(4)", "Frame5", "X0 ohm:", 1500, 360, 735, 255));
    v.push_back(makeLabel("Label7", "Frame5", "POT. DIR W:", 2950, 360, 1335, 255));
    v.push_back(makeInput("Text12", "Frame1", "50", 880, 4920, 615, 375)); // lies inside Frame5's area
    v.push_back(makeInput("Text11", "Frame1", "0", 2300, 4920, 615, 375)); // lies inside Frame5's area
    v.push_back(makeInput("Text6", "Frame5", "100", 4080, 240, 615, 375));
    v.push_back(makeButton("Command4", "Frame1", "CALCOLO &SWR E DATI AUSILIARI", 120, 5520, 4935, 375));
    v.push_back(makeResult("Text4", "Frame1", 120, 6000, 4935, 1100, true));
}

// ---- Panel Frame2 (right): input-output comparison ----
void addComparePanel(std::vector<Control>& v) {
    v.push_back(makeFrame("Frame2", "", "Comparazione Input - Output", 5340, 0, 4900, 7200));
    v.push_back(makeFrame("Frame6", "Frame2", "Input Z", 120, 240, 1455, 1575));
    v.push_back(makeLabel("Label2(7)", "Frame6", "R ohm:", 120, 480, 735, 375));
    v.push_back(makeInput("Text15", "Frame6", "", 720, 360, 615, 375));
    v.push_back(makeLabel("Label2(6)", "Frame6", "X ohm:", 120, 1080, 855, 255));
    v.push_back(makeInput("Text1", "Frame6", "", 720, 960, 615, 375));
    v.push_back(makeLabel(
        "Label9", "Frame2",
        "L'input può essere l'entrata verso l'RTX di un tuner, di un trasformatore, di una linea di "
        "trasmissione, di un amplificatore. L'output l'uscita verso l'antenna.",
        1605, 200, 1695, 1575));
    v.push_back(makeFrame("Frame7", "Frame2", "Output Z", 3360, 240, 1455, 1575));
    v.push_back(makeLabel("Label2(9)", "Frame7", "R ohm:", 120, 480, 735, 375));
    v.push_back(makeInput("Text16", "Frame7", "", 720, 360, 615, 375));
    v.push_back(makeLabel("Label2(8)", "Frame7", "X ohm:", 120, 1080, 735, 255));
    v.push_back(makeInput("Text17", "Frame7", "", 720, 960, 615, 375));
    v.push_back(makeFrame("Frame8", "Frame2", "", 120, 1800, 900, 930));
    v.push_back(makeOption("Option4", "Frame8", "IN Vrms", 0, 120, 1000, 255, true));
    v.push_back(makeOption("Option14", "Frame8", "IN Vp", 0, 360, 1000, 255));
    v.push_back(makeOption("Option3", "Frame8", "IN Vpp", 0, 600, 1000, 255));
    v.push_back(makeLabel("Label14", "Frame2", "Confronto su tensione", 1550, 1850, 1935, 255));
    v.push_back(makeInput("Text13", "Frame2", "", 1080, 2110, 615, 375));
    v.push_back(makeButton("Command3", "Frame2", "&COMPARA V", 1800, 2110, 1150, 375));
    v.push_back(makeInput("Text14", "Frame2", "", 4200, 2110, 615, 375));
    v.push_back(makeFrame("Frame9", "Frame2", "", 3120, 1920, 1035, 825));
    v.push_back(makeOption("Option5", "Frame9", "OUT Vrms", 0, 0, 1050, 255, true));
    v.push_back(makeOption("Option15", "Frame9", "OUT Vp", 0, 240, 1050, 255));
    v.push_back(makeOption("Option6", "Frame9", "OUT Vpp", 20, 480, 1050, 255));
    v.push_back(makeLabel("Label6", "Frame2", "Confronto su corrente", 1550, 2560, 1575, 255));
    v.push_back(makeLabel("Label12", "Frame2", "Input A:", 240, 2920, 855, 255));
    v.push_back(makeInput("Text20", "Frame2", "", 1080, 2840, 615, 375));
    v.push_back(makeButton("Command6", "Frame2", "C&OMPARA A", 1800, 2840, 1150, 375));
    v.push_back(makeLabel("Label13", "Frame2", "Output A:", 3360, 2920, 975, 255));
    v.push_back(makeInput("Text21", "Frame2", "", 4200, 2840, 615, 375));
}

// ---- Frame13 (inside Frame2): tuner insertion loss from S-parameters, and the guide button ----
void addTunerPanel(std::vector<Control>& v) {
    v.push_back(makeFrame("Frame13", "Frame2",
                          "Calcolo delle perdite dell'accordatore d'antenna coi parametri S", 120, 3360, 4695,
                          2535));
    sFrame(v, "Frame14", "S Ant. parte reale ed immag.", 120, 240, "Text30", "Label24", "Text34", "Label28");
    sFrame(v, "Frame17", "S 11 parte reale ed immag.", 2400, 240, "Text36", "Label29", "Text37", "Label31");
    sFrame(v, "Frame15", "S 21 parte reale ed immag.", 120, 960, "Text33", "Label30", "Text32", "Label26");
    sFrame(v, "Frame16", "S 22 parte reale ed immag.", 2400, 960, "Text31", "Label25", "Text35", "Label27");
    sFrame(v, "Frame18", "S 12 parte reale ed immag.", 120, 1680, "Text38", "Label32", "Text39", "Label33");
    v.push_back(makeButton("Command8", "Frame13", "CA&LCOLA TUNER INSERTION LOSS", 2400, 1800, 1575, 615));
    v.push_back(makeResult("Text5", "Frame2", 120, 6000, 4695, 1100, true));
    v.push_back(makeButton("Command7", "", "&?", 9480, 5160, 495, 615)); // on the window, right of Command8
}

// ---- Panel Frame11 (bottom): transmission line ----
void addLinePanel(std::vector<Control>& v) {
    v.push_back(
        makeFrame("Frame11", "",
                  "Calcolo di tensione, corrente, potenza, SWR su linee di trasmissione. Freq. max.: 150 MHz",
                  50, 7320, 10200, 2800));
    v.push_back(makeFrame("Frame12", "Frame11", "Direzione dello spostamento", 70, 220, 2655, 550));
    v.push_back(makeOption("Option9", "Frame12", "<--- all' ANT", 120, 240, 1200, 255));
    v.push_back(makeOption("Option10", "Frame12", "all' RTX --->", 1400, 240, 1200, 255, true));
    v.back().captionLeft = true;
    v.push_back(makeLabel("Label16", "Frame11", "R:", 2800, 500, 255, 255));
    v.push_back(makeInput("Text23", "Frame11", "", 3000, 400, 600, 375));
    v.push_back(makeLabel("Label17", "Frame11", "X:", 3650, 500, 255, 255));
    v.push_back(makeInput("Text24", "Frame11", "", 3850, 400, 600, 375));
    v.push_back(makeLabel("Label21", "Frame11", "MHz:", 4500, 480, 495, 255));
    v.push_back(makeInput("Text28", "Frame11", "14.000", 4900, 400, 600, 375));
    v.push_back(makeLabel("Label22", "Frame11", "watt:", 5580, 480, 495, 255));
    v.push_back(makeInput("Text29", "Frame11", "100", 6000, 400, 580, 375));
    v.push_back(makeLabel("Label19", "Frame11", "RTX Z:", 6600, 495, 615, 255));
    v.push_back(makeInput("Text26", "Frame11", "50", 7150, 400, 375, 375));
    v.push_back(makeLabel("Label36", "Frame11", "SWR > 25 OPPURE FREQ. > 150 MHZ. RISULTATI NON GARANTITI.",
                          6720, 180, 3400, 615));
    v.back().visible = false; // bold is set by Load
    v.push_back(makeFrame("Frame19", "Frame11", "Spostamento e calcolo delle perdite", 70, 760, 10050, 1350));
    v.push_back(makeLabel("Label34", "Frame11", "Numero di cicli lambda/2 cycles:", 75, 2100, 855, 615));
    {
        Control c = make("Combo1", Kind::ComboBox, "Frame11", "", 840, 2300, 660, 315); // Load picks "1"
        c.pickOnly = true;
        c.labelledBy = "Label34";
        for (int i = 1; i <= 40; ++i)
            c.items.push_back(std::to_string(i));
        v.push_back(std::move(c));
    }
    v.push_back(makeResult("Text41", "Frame11", 1575, 2300, 1860, 315, false));
    v.back().text = "0.00m - 7.18m"; // design text; Load replaces it
    v.push_back(makeLabel(
        "Label23", "Frame11",
        "Lo spostamento in gradi e lambda è elettrico, dove 360 gradi corrispondono ad un lambda o a due "
        "giri completi sulla carta di Smith, mentre quello in metri è fisico. Gradi e lambda diventano "
        "negativi quando ci si sposta verso l'antenna.",
        3460, 2100, 5490, 615));
    v.push_back(makeButton("Command9", "Frame11", "SCAMBIO DI POTEN&ZA", 8970, 2100, 1140, 600));

    // ---- Inside Frame19: the line and its shift ----
    {
        Control c = make("HScroll1", Kind::HScrollBar, "Frame19", "", 3245, 120, 6740, 255);
        c.minimum = 0;
        c.maximum = 720;
        c.value = 0;
        c.smallChange = 1;
        c.largeChange = 20;
        v.push_back(std::move(c));
    }
    v.push_back(make("Combo2", Kind::ComboBox, "Frame19", "Messi e Paoloni Pota-Flex 6", 80, 400, 3170,
                     315)); // items: catalog
    v.push_back(makeResult("Text22", "Frame19", 3245, 400, 6740, 900, true, /*enabled=*/true));
    v.push_back(makeOption("Option16", "Frame19", "Auto", 50, 900, 1215, 210, true));
    v.back().captionLeft = true;
    v.push_back(makeOption("Option11", "Frame19", "dB/100 metri", 50, 1100, 1215, 210));
    v.back().captionLeft = true;
    v.push_back(makeInput("Text40", "Frame19", "0", 1280, 930, 380, 375));
    v.push_back(makeLabel("Label18", "Frame19", "Z:", 1680, 1000, 255, 255));
    v.push_back(makeInput("Text25", "Frame19", "50", 1850, 930, 500, 375));
    v.push_back(makeLabel("Label20", "Frame19", "V.F.:", 2370, 1000, 375, 255));
    v.push_back(makeInput("Text27", "Frame19", "0.67", 2730, 930, 500, 375));
    for (const char* n : {"Z", "VF", "K0", "K1", "K2"})
        v.push_back(hidden(n)); // filled by the catalog
}

// The tool tips and the names a screen reader says, by control.
void describe(std::vector<Control>& v) {
    for (const auto& [name, tip] : kToolTips)
        for (Control& c : v)
            if (c.name == name)
                c.toolTip = tip;
    for (const auto& [name, spoken] : kAccessibleNames)
        for (Control& c : v)
            if (c.name == name)
                c.accessibleName = spoken;
}

} // namespace

std::vector<Control> controlSet() {
    std::vector<Control> v;
    v.reserve(140);
    addPointPanel(v);
    addComparePanel(v);
    addTunerPanel(v);
    addLinePanel(v);
    describe(v);
    return v;
}

std::vector<std::string> focusOrder() {
    return {"Text7",    "Text8",  "Option1",  "Option13", "Option2",  "Text9",    "Command1", "Option8",
            "Option7",  "Text10", "Command2", "Text18",   "Command5", "Text12",   "Text11",   "Text6",
            "Command4", "Text15", "Text1",    "Option4",  "Option14", "Option3",  "Text13",   "Text20",
            "Text16",   "Text17", "Option5",  "Option15", "Option6",  "Text14",   "Text21",   "Command3",
            "Command6", "Text30", "Text34",   "Text36",   "Text37",   "Text33",   "Text32",   "Text31",
            "Text35",   "Text38", "Text39",   "Command8", "Option9",  "Option10", "Text23",   "Text24",
            "Text28",   "Text29", "Text26",   "Combo2",   "Option16", "Option11", "Text40",   "Text25",
            "Text27",   "Combo1", "HScroll1", "Command9", "Command7", "Text22"};
}

} // namespace ui
