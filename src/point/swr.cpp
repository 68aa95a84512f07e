// SWR and auxiliary data at a point of measured impedance R + jX against a reference R0 + jX0.
#include "point/point.h"

#include "numeric/numtext.h"
#include "numeric/routines.h"
#include "ui/entry.h"

namespace point {

using num::abs;
using num::ln;
using num::pow;

void command4Click(ui::Form& f) {
    auto& v = f.vars<PointVars>();

    ui::requireNonZero(f, "Text12", "Reference Resistance", "Reference Resistance cannot be 0!");
    ui::requireNonZero(f, "Text7", "Resistance", "Resistance cannot be 0!");

    v.R1 = f.val("Text7");
    v.X1 = f.val("Text8");
    v.R0 = f.val("Text12");
    v.X0 = f.val("Text11");

    // Normalise to the reference resistance.
    v.RR = v.R0;
    v.R1 = v.R1 / v.R0;
    v.X1 = v.X1 / v.R0;
    v.X0 = v.X0 / v.R0;
    v.R0 = 1;

    // G = (Z - Z0) / (Z + Z0)
    v.NumRV = pow(v.R1, 2) - pow(v.R0, 2) + pow(v.X1, 2) - pow(v.X0, 2);
    Real D = pow(v.R1 + v.R0, 2) + pow(v.X1 + v.X0, 2);
    v.DenomRV = D;
    v.DenomXV = D;
    v.NumXV = (v.X1 - v.X0) * (v.R1 + v.R0) - (v.X1 + v.X0) * (v.R1 - v.R0);
    v.GamR = v.NumRV / D;
    v.GamX = v.NumXV / D;
    v.SgnR = v.GamR < 0 ? "-" : "+";
    v.SignX = v.GamX < 0 ? "-" : "+";

    v.GamM = pow(pow(v.GamX, 2) + pow(v.GamR, 2), 0.5);
    v.SWR = (1 + v.GamM) / (1 - v.GamM);
    if (v.GamM > 0)
        v.RetLoss = -20 * ln(v.GamM) / ln(10);
    // The reflected power: the forward power less the return loss.
    Real P = f.val("Text6");
    v.RefPWR = P / pow(10, v.RetLoss / 10);

    if (v.GamM > 0)
        v.SCRF = num::ArcCos(v.GamR / v.GamM);
    if (v.GamX < 0)
        v.SCRF = -v.SCRF;
    v.SCRF = v.SCRF * 180 / num::kPi;
    v.SCRF = num::Fold180(v.SCRF);

    // The admittance: the reflection coefficient turned through 180 degrees.
    v.GAR = -v.GamR;
    v.GAI = -v.GamX;
    v.SignA = v.GAI < 0 ? "-" : "+";
    Real Dp = (pow(v.GAR, 2) + 1 - 2 * v.GAR) + pow(v.GAI, 2);
    v.SCAR = ((1 - pow(v.GAR, 2)) - pow(v.GAI, 2)) / Dp;
    v.SCAI = 2 * v.GAI / Dp;
    v.SCAR = v.SCAR / v.RR;
    v.SCAI = v.SCAI / v.RR;

    auto F = [&](Real x, const char* pattern) { return f.fmt(x.value(), pattern); };
    std::string out;
    if (v.GamM == 0) {
        out = "SWR = " + F(v.SWR, "0.000") + " Ret.Loss = " + "INF." + " Refl.Pwr. = " + F(0, "0.000") +
              "\r\n" + "Ref.Coef. = " + F(abs(v.GamR), "0.000") + " " + v.SignX + " i" +
              F(abs(v.GamX), "0.000") + "  Ref.Coef.Magn. = " + F(v.GamM, "0.000");
    } else {
        out = "SWR = " + F(v.SWR, "0.000") + " Ret.Loss = " + F(v.RetLoss, "0.000") +
              " Refl.Pwr. = " + F(v.RefPWR, "0.000") + "\r\n" +
              "Reflection Coeff. (Gamma or S11) = " + v.SgnR + F(abs(v.GamR), "0.0000") + " " + v.SignX +
              " i" + F(abs(v.GamX), "0.0000") + "\r\n" +
              "Reflection Coefficent Magnitude (rho) = " + F(v.GamM, "0.0000") + "\r\n" +
              "Angle of Reflection Coeff. (Gamma Phase) = " + F(v.SCRF, "0.0") + "\xC2\xB0" + "\r\n" +
              "Admittance = " + F(v.SCAR, "0.000") + " " + v.SignA + " J" + F(abs(v.SCAI), "0.000") + " S";
    }
    if (!(v.RefPWR > 0))
        out = "Insert a proper Forward Power value!";
    f.setText("Text4", out);
    f.setBold("Text4", true);
}

} // namespace point
