#pragma once
// Helpers shared by the calculator window tests: pressing keys by name on
// the engine, and reaching the window's controls.

#include "calc/CalcDlg.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

inline constexpr int kDisplayId = 1030;
inline constexpr int kFocusSinkId = 1016;

// Runs one key by the name written on it ("7", "+", "CE", "SIN", ...);
// "AC" is Clear All, "IN>MM" and "MM>IN" the two conversion commands.
inline void PressEngineKey(CCalcDlg& calc, const std::string& key)
{
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9')
        return calc.EnterDigit(key[0] - '0');
    if (key == ".") return calc.OnClickedPoint();
    if (key == "+") return calc.OnClickedPlus();
    if (key == "-") return calc.OnClickedMinus();
    if (key == "*") return calc.OnClickedMultiply();
    if (key == "/") return calc.OnClickedDivide();
    if (key == "=") return calc.OnClickedEqual();
    if (key == "AC") return calc.OnClickedClear();
    if (key == "CE") return calc.OnClickedClearEntry();
    if (key == "Pi") return calc.OnClickedPi();
    if (key == "%") return calc.OnClickedPercent();
    if (key == "SIN") return calc.OnClickedSin();
    if (key == "COS") return calc.OnClickedCos();
    if (key == "TAN") return calc.OnClickedTan();
    if (key == "ASIN") return calc.OnClickedAsin();
    if (key == "ACOS") return calc.OnClickedAcos();
    if (key == "ATAN") return calc.OnClickedAtan();
    if (key == "IN>MM") return calc.OnClickedInchToMm();
    if (key == "MM>IN") return calc.OnClickedMmToInch();
    throw std::invalid_argument("unknown key " + key);
}

inline std::vector<std::string> SplitKeys(const std::string& keys)
{
    std::istringstream in(keys);
    std::vector<std::string> result;
    for (std::string key; in >> key;)
        result.push_back(key);
    return result;
}

inline CString DisplayOf(const CCalcDlg& calc)
{
    return calc.GetDlgItemText(kDisplayId);
}
