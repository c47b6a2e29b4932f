#include "lumora-trace/trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace lumora {
namespace {

std::vector<std::string> Zeilen(const std::string& eingabe, const char* trenner = ",") {
    std::istringstream ein(eingabe);
    std::ostringstream aus;
    EXPECT_EQ(Trace(ein, aus, trenner), 0);
    std::vector<std::string> zeilen;
    std::istringstream lesen(aus.str());
    for (std::string z; std::getline(lesen, z);) zeilen.push_back(z);
    return zeilen;
}

int Anzahl(const std::vector<std::string>& zeilen, const std::string& teil) {
    int n = 0;
    for (const auto& z : zeilen) n += z.find(teil) != std::string::npos;
    return n;
}

const std::string kStandard = "200\t10\t1\t0.2\t0.02\t0.002\t1013\n";

TEST(Trace, OnePressWithEveryOperation) {
    const auto z = Zeilen(kStandard);
    ASSERT_EQ(z.size(), 1u + 1 + 1789 + 6 + 1 + 1);
    EXPECT_EQ(z[0], R"({"run": 1, "inputs": ["200", "10", "1", "0.2", "0.02", "0.002", "1013"]})");
    EXPECT_EQ(
        z[1],
        R"({"op": "box", "x1": 0, "y1": 0, "x2": 12000, "y2": 8000, "rgb": [255, 255, 255]})");
    EXPECT_EQ(z[2], R"({"op": "refresh", "target": "pic_gesamt"})");
    EXPECT_EQ(
        z[3],
        R"({"op": "line", "x1": 0, "y1": 0, "x2": 0, "y2": 8000, "rgb": [0, 180, 0], "width": 2})");
    EXPECT_EQ(Anzahl(z, R"("op": "line")"), 1789);
    EXPECT_EQ(Anzahl(z, R"("target": "pic_Diagramm")"), 5);
    EXPECT_EQ(z.back(), R"({"end": 1})");
    const std::string& etiketten = z[z.size() - 2];
    EXPECT_EQ(
        etiketten.rfind(
            R"({"labels": [{"name": "txt_Temp", "index": 0, "visible": true, "text": " 0°C", "left": 104.65813, "top": 8066})",
            0),
        0u);
    EXPECT_NE(
        etiketten.find(
            R"({"name": "txt_X", "index": 1, "visible": true, "text": "0,02 kg/kg", "left": 1350, "top": 8230.345})"),
        std::string::npos);
    EXPECT_NE(
        etiketten.find(
            R"({"name": "txt_PhPa", "index": null, "visible": true, "text": "Gesamtdruck  =  1013  hPa")"),
        std::string::npos);
    EXPECT_EQ(Anzahl({etiketten}, R"("name": )"), 0 + 1);  // one line holding them all
    EXPECT_EQ(static_cast<int>(std::count(etiketten.begin(), etiketten.end(), '{')), 1 + 76);
}

// An eighth field is the lower temperature limit: 0 traces byte for byte as without it, a
// winter chart draws more, and a text that is no number is refused naming the field.
TEST(Trace, LowerLimitAsEighthField) {
    const std::string ohne = kStandard.substr(0, kStandard.size() - 1);
    EXPECT_EQ(Zeilen(ohne + "\t0\n"), Zeilen(kStandard));
    EXPECT_EQ(Zeilen(ohne + "\t\n"), Zeilen(kStandard));
    const auto winter = Zeilen(ohne + "\t-20\n");
    EXPECT_EQ(winter[0], R"({"run": 1, "inputs": ["200", "10", "1", "0.2", "0.02", "0.002", )"
                         R"("1013"], "theta_unten": "-20"})");
    EXPECT_EQ(Anzahl(winter, R"("op": "line")"), 1789 + 133);
    const auto falsch = Zeilen(ohne + "\tkalt\n");
    EXPECT_EQ(Anzahl(falsch, R"("op": "line")"), 0);
    EXPECT_EQ(Anzahl(falsch, "ϑu: „kalt“ ist keine Zahl."), 1);
}

TEST(Trace, RefusedPressDrawsNothingAndKeepsTheLabels) {
    const auto z = Zeilen(kStandard + "200\t0\t1\t0.2\t0.02\t0.002\t1013\n", ".");
    const auto lauf2 =
        std::find(z.begin(), z.end(),
                  R"({"run": 2, "inputs": ["200", "0", "1", "0.2", "0.02", "0.002", "1013"]})");
    ASSERT_NE(lauf2, z.end());
    EXPECT_EQ(lauf2[1],
              R"({"op": "refused", "message": "Δϑ fett: Die Schrittweite darf nicht 0 sein."})");
    EXPECT_EQ(lauf2[2], *(lauf2 - 2));  // the labels as the first press left them
    EXPECT_EQ(lauf2[3], R"({"end": 2})");
    EXPECT_NE(lauf2[2].find("0.02 kg/kg"), std::string::npos);
    // A text that is no number says so, as the dialog does; "1013 hPa" is its leading number.
    const auto text = Zeilen("200\t10\t1\tviel\t0.02\t0.002\t1013 hPa\n");
    EXPECT_EQ(text[1], R"({"op": "refused", "message": "Χmax: „viel“ ist keine Zahl."})");
}

TEST(Trace, FieldsMayBeMissingAndLinesEndInCrLf) {
    const auto z = Zeilen("200\t10\r\n\n");
    ASSERT_GE(z.size(), 2u);
    EXPECT_EQ(z[0], R"({"run": 1, "inputs": ["200", "10", "", "", "", "", ""]})");
    EXPECT_EQ(z[1].rfind(R"({"op": "refused", "message": "Χmax: )", 0), 0u);
}

TEST(Trace, TextsAreEscaped) {
    const auto z = Zeilen("2\"0\\0\t10\t1\t0.2\t0.02\t0.002\t1013\n");
    EXPECT_EQ(z[0],
              R"({"run": 1, "inputs": ["2\"0\\0", "10", "1", "0.2", "0.02", "0.002", "1013"]})");
}

}  // namespace
}  // namespace lumora
