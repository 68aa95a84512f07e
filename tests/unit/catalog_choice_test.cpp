// Every cable of the catalog, chosen by its name in Combo2, fills the line-data fields with its own
// impedance, velocity factor and loss. The expected texts are the catalog as published (Z in ohm, V.F.,
// and the loss at 14 MHz worked out from K0 + K1 sqrt(f) + K2 f, per 100 ft, over 0.3048), kept here on
// their own so that a lookup landing on a neighbouring row shows.
#include "ui/form.h"
#include "wiring/wiring.h"

#include <gtest/gtest.h>

namespace {

struct Shown {
    const char* name;
    const char* z;    // Text25
    const char* vf;   // Text27
    const char* loss; // Text40, dB per 100 m at 14 MHz
};

const Shown kCables[] = {
    {"Messi e Paoloni Pota-Flex 6", "50.0", "0.870", "3.1"},
    {"Messi e Paoloni Pota-Flex 7", "50.0", "0.830", "2.2"},
    {"Messi e Paoloni Airborne 10", "50.0", "0.870", "1.3"},
    {"Messi e Paoloni Airborne 5", "50.0", "0.850", "4.1"},
    {"Messi e Paoloni Broad Pro 50 Comp.", "50.0", "0.850", "1.4"},
    {"Messi e Paoloni Extraflex Bury 10", "50.0", "0.870", "1.5"},
    {"Messi e Paoloni Extraflex Bury 13", "50.0", "0.860", "1.1"},
    {"Messi e Paoloni Extraflex Bury 7", "50.0", "0.830", "2.2"},
    {"Messi e Paoloni Hyperflex 10", "50.0", "0.870", "1.5"},
    {"Messi e Paoloni Hyperflex 10 Sah. FT8", "50.0", "0.870", "1.5"},
    {"Messi e Paoloni Hyperflex 13", "50.0", "0.860", "1.1"},
    {"Messi e Paoloni Hyperflex 5", "50.0", "0.870", "3.1"},
    {"Messi e Paoloni Hyperflex 5 Crystal", "50.0", "0.870", "3.1"},
    {"Messi e Paoloni Ultraflex 10", "50.0", "0.830", "1.5"},
    {"Messi e Paoloni Ultraflex 7", "50.0", "0.830", "2.2"},
    {"50 ohm ideal lossless line", "50.0", "0.670", "0.0"},
    {"75 ohm ideal lossless line", "75.0", "0.670", "0.0"},
    {"RG-58 (generic)", "50.0", "0.660", "5.6"},
    {"RG-213 (generic)", "50.0", "0.660", "2.5"},
    {"Belden 8215 (RG-6A/U)", "75.0", "0.660", "3.0"},
    {"Belden 7915A (RG-6/HDTV)", "75.0", "0.830", "2.5"},
    {"Belden 9116 (RG-6/CATV)", "75.0", "0.830", "2.9"},
    {"Belden 8237 (RG-8/U)", "52.0", "0.660", "2.2"},
    {"Belden 9251 (RG-8/U)", "52.0", "0.660", "2.2"},
    {"Belden 9913 (RG-8/U)", "50.0", "0.840", "1.9"},
    {"Belden 9913F7 (RG-8/U)", "52.0", "0.850", "2.2"},
    {"Belden 9914 (RG-8/U)", "50.0", "0.820", "1.9"},
    {"Belden 9258 (RG-8X)", "50.0", "0.820", "3.5"},
    {"Belden 8213 (RG-11/U)", "75.0", "0.840", "1.6"},
    {"Belden 8238 (RG-11/U)", "75.0", "0.660", "2.5"},
    {"Belden 8261 (RG-11A/U)", "75.0", "0.660", "2.5"},
    {"Belden 9212 (RG-11/U)", "75.0", "0.660", "2.5"},
    {"Belden 8219 (RG-58A/U)", "54.0", "0.760", "5.2"},
    {"Belden 8240 (RG-58A/U)", "52.0", "0.660", "4.1"},
    {"Belden 8259 (RG58A/U)", "50.0", "0.660", "6.1"},
    {"Belden 8262 (RG-58C/U)", "50.0", "0.660", "5.4"},
    {"Belden 9201 (RG-58/U)", "52.0", "0.660", "4.1"},
    {"Belden 8212 (RG-59/U)", "75.0", "0.780", "3.9"},
    {"Belden 8241 (RG-59/U)", "75.0", "0.660", "4.3"},
    {"Belden 8263 (RG-59B/U)", "75.0", "0.660", "4.2"},
    {"Belden 9269 (RG-62A/U)", "93.0", "0.840", "3.3"},
    {"Belden 9857 (RG-63/U)", "125.0", "0.840", "2.0"},
    {"Belden 83242 (RG-142B/U)", "50.0", "0.700", "4.3"},
    {"Belden 7805 (RG-174/U)", "50.0", "0.660", "8.5"},
    {"Belden 8216 (RG-174/U)", "50.0", "0.660", "11.8"},
    {"Belden 83265 (RG-178B/U)", "50.0", "0.700", "20.7"},
    {"Belden 83269 (RG-188A/U)", "50.0", "0.695", "10.1"},
    {"Belden 8267 (RG-213/U)", "50.0", "0.660", "2.2"},
    {"Belden8268 (RG-214/U)", "50.0", "0.660", "2.2"},
    {"Belden 84303 (RG-303/U)", "50.0", "0.700", "4.5"},
    {"Belden 84316 (RG-316/U)", "50.0", "0.700", "10.0"},
    {"Belden H155", "50.0", "0.800", "4.0"},
    {"Wireman 551 Ladder Line", "400.0", "0.902", "1.0"},
    {"Wireman 552 Ladder Line", "380.0", "0.918", "1.2"},
    {"Wireman 553 Ladder Line", "395.0", "0.902", "1.0"},
    {"Wireman 554 Ladder Line", "360.0", "0.930", "0.8"},
    {"Wireman 551 LL (ice/snow)", "390.0", "0.864", "4.9"},
    {"Wireman 552 LL (ice/snow)", "365.0", "0.883", "4.8"},
    {"Wireman 553 LL (ice/snow)", "380.0", "0.869", "4.2"},
    {"Wireman 554 Ladder Line(ice/snow)", "350.0", "0.887", "4.9"},
    {"Generic 300 ohm Tubular", "300.0", "0.800", "1.2"},
    {"Generic 450 ohm Window", "450.0", "0.910", "0.3"},
    {"Generic 600 ohm Open", "600.0", "0.920", "0.2"},
    {"Cellflex 1 / 4", "50.0", "0.830", "1.6"},
    {"Cellflex 1 / 2", "50.0", "0.870", "0.8"},
    {"Cellflex 7 / 8", "50.0", "0.900", "0.4"},
    {"Times LMR-400", "50.0", "0.840", "1.6"},
    {"Ecoflex 5", "50.0", "0.800", "3.0"},
    {"Ecoflex 7", "50.0", "0.850", "2.0"},
    {"Ecoflex 10", "50.0", "0.850", "1.4"},
    {"Ecoflex 15", "50.0", "0.850", "1.0"},
    {"Aircell 5", "50.0", "0.850", "3.3"},
    {"Aircell 7", "50.0", "0.850", "2.4"},
};

TEST(CatalogChoice, EveryCableChosenByNameShowsItsOwnData) {
    ui::Form f;
    wiring::start(f);
    // One line computation at the start's 14 MHz, so that the refresh shows the loss at that frequency.
    f.setText("Text23", "50");
    f.userScroll("HScroll1", 1);
    ASSERT_FALSE(f.text("Text22").empty());
    int count = 0;
    for (const Shown& c : kCables) {
        // Picked from the list, then the operator tabs on: Combo2 loses the focus.
        ASSERT_TRUE(f.userPick("Combo2", c.name)) << c.name;
        ASSERT_TRUE(f.userFocus("Text23"));
        EXPECT_EQ(f.text("Text25"), c.z) << c.name;
        EXPECT_EQ(f.text("Text27"), c.vf) << c.name;
        EXPECT_EQ(f.text("Text40"), c.loss) << c.name;
        ++count;
    }
    EXPECT_EQ(count, 73);
    EXPECT_EQ(f.items("Combo2").size(), 73u);
}

} // namespace
