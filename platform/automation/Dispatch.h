#pragma once
// Dispatch maps: a class's table of automation properties and methods, each
// with its name, its automation type and the member functions behind it, as
// the class's message map is its table of commands. The bus machinery
// (the rest of platform/automation/) derives everything a client sees from this table:
// the calls it answers, the conversions it makes and its introspection data.
// Nothing here knows the bus.

#include "platform/WinTypes.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string_view>
#include <type_traits>
#include <vector>

// Automation types, with the Windows values.
using VARTYPE = unsigned short;
inline constexpr VARTYPE VT_EMPTY = 0;  // a method without result
inline constexpr VARTYPE VT_I2 = 2;     // 16-bit signed integer
inline constexpr VARTYPE VT_I4 = 3;     // 32-bit signed integer
inline constexpr VARTYPE VT_BSTR = 8;   // text
inline constexpr VARTYPE VT_BOOL = 11;  // TRUE or FALSE

// Parameter lists of DISP_FUNCTION: none, or one string.
inline constexpr VARTYPE VTS_NONE = VT_EMPTY;
inline constexpr VARTYPE VTS_BSTR = VT_BSTR;

// Text handed to a method as a narrow character string.
using LPCTSTR = const char*;

// Result codes of the registration functions.
using HRESULT = std::int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);

// A class identifier in its registry spelling, braces included.
struct CLSID {
    std::string_view text;
};

// One value crossing the table, already converted to the entry's type:
// integers and booleans as a number (a boolean is -1 or 0), text as text.
struct DispValue {
    std::int32_t number = 0;
    CString text;
};

class CAutomationObject;

struct DispatchEntry {
    CString name;
    bool isProperty;
    VARTYPE type;       // the property's type, or the method's result
    VARTYPE paramType;  // a method's one parameter; VTS_NONE for none
    std::function<DispValue(CAutomationObject&)> get;                      // property
    std::function<void(CAutomationObject&, const DispValue&)> set;         // property
    std::function<DispValue(CAutomationObject&, const DispValue&)> call;  // method
};

using DispatchMap = std::vector<DispatchEntry>;

// What a dispatch function throws to refuse a call it cannot carry out: the
// client gets an error whose message is the description, and the call has
// changed nothing (the function throws before it does).
class COleDispatchException : public std::exception {
public:
    COleDispatchException(WORD code, CString description) : m_wCode(code), m_strDescription(std::move(description)) {}
    const char* what() const noexcept override { return m_strDescription.c_str(); }

    WORD m_wCode;
    CString m_strDescription;
};

[[noreturn]] void AfxThrowOleDispatchException(WORD code, LPCTSTR description);

// The entry called `name`, compared without regard to ASCII case, as the
// dispatch of the Windows design matched names; null when there is none.
const DispatchEntry* FindDispatchEntry(const DispatchMap& map, std::string_view name);

namespace dispatch_detail {

template <class R>
DispValue ToValue(R result)
{
    if constexpr (std::is_same_v<R, CString>)
        return {0, result};
    else
        return {static_cast<std::int32_t>(result), {}};
}

template <class A>
A FromValue(const DispValue& value)
{
    if constexpr (std::is_same_v<A, LPCTSTR>)
        return value.text.c_str();
    else
        return static_cast<A>(value.number);
}

}  // namespace dispatch_detail

// A property with get and set member functions (integers or BOOL).
template <class T, class R, class A>
DispatchEntry DISP_PROPERTY_EX(const char* name, R (T::*get)() const, void (T::*set)(A), VARTYPE type)
{
    return {name, true, type, VTS_NONE,
            [get](CAutomationObject& o) { return dispatch_detail::ToValue((static_cast<T&>(o).*get)()); },
            [set](CAutomationObject& o, const DispValue& v) {
                (static_cast<T&>(o).*set)(dispatch_detail::FromValue<A>(v));
            },
            {}};
}

// A method without parameters; VT_EMPTY as result type for none.
template <class T, class R>
DispatchEntry DISP_FUNCTION(const char* name, R (T::*method)(), VARTYPE result, VARTYPE params)
{
    return {name, false, result, params, {}, {},
            [method](CAutomationObject& o, const DispValue&) {
                if constexpr (std::is_void_v<R>) {
                    (static_cast<T&>(o).*method)();
                    return DispValue{};
                } else {
                    return dispatch_detail::ToValue((static_cast<T&>(o).*method)());
                }
            }};
}

// A method with one parameter.
template <class T, class R, class A>
DispatchEntry DISP_FUNCTION(const char* name, R (T::*method)(A), VARTYPE result, VARTYPE params)
{
    return {name, false, result, params, {}, {},
            [method](CAutomationObject& o, const DispValue& v) {
                if constexpr (std::is_void_v<R>) {
                    (static_cast<T&>(o).*method)(dispatch_detail::FromValue<A>(v));
                    return DispValue{};
                } else {
                    return dispatch_detail::ToValue((static_cast<T&>(o).*method)(dispatch_detail::FromValue<A>(v)));
                }
            }};
}
