// libFuzzer target for the dialogs' number readers (StrToD, AToI,
// ParseDoubleStrict, ParseIntStrict), held against glibc's strtod and
// strtol in the C locale:
// - text glibc reads as a decimal number: StrToD gives strtod's value bit
//   for bit, the strict parser takes exactly the prefix strtod read (and the
//   whole text when only blanks follow it) with the same value;
// - a hexadecimal spelling: we read only its leading 0 (with its sign), the
//   strict parser refuses it;
// - an infinity or not-a-number spelling, or no number: StrToD gives 0, the
//   strict parser refuses;
// - AToI is strtol clamped to int; ParseIntStrict takes the text only when
//   strtol reads all of it but blanks and the value fits.
//
// Built and run by fuzz/run.sh (clang, -fsanitize=fuzzer,address,undefined).

#include "fuzz/DecimalOracle.h"
#include "platform/text/NumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckDoubleReaders(const std::string& text)
{
    const oracle::DoubleRead glibc = oracle::ReadDouble(text);
    const double loose = StrToD(text);
    const std::optional<double> strict = ParseDoubleStrict(text);
    switch (glibc.notation) {
    case oracle::Notation::Decimal: {
        Check(oracle::SameBits(loose, glibc.value));
        const std::optional<double> prefix = ParseDoubleStrict(text.substr(0, glibc.end));
        Check(prefix && oracle::SameBits(*prefix, glibc.value));
        if (oracle::OnlyBlanksFrom(text, glibc.end))
            Check(strict && oracle::SameBits(*strict, glibc.value));
        else
            Check(!strict);
        break;
    }
    case oracle::Notation::Hexadecimal:
        Check(oracle::SameBits(loose, glibc.negative ? -0.0 : 0.0));
        Check(!strict);
        break;
    case oracle::Notation::InfinityOrNan:
    case oracle::Notation::None:
        Check(oracle::SameBits(loose, 0.0));
        Check(!strict);
        break;
    }
}

void CheckIntReaders(const std::string& text)
{
    const oracle::IntRead glibc = oracle::ReadInt(text);
    Check(AToI(text) == glibc.value);
    const std::optional<int> strict = ParseIntStrict(text);
    const bool whole = glibc.end > 0 && oracle::OnlyBlanksFrom(text, glibc.end);
    if (whole && !glibc.outOfRange)
        Check(strict && *strict == glibc.value);
    else
        Check(!strict);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckDoubleReaders(text);
    CheckIntReaders(text);
    return 0;
}
