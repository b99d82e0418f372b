// Basic types of the CAD host's run-time (stand-in).
#pragma once
#include <cstdint>

#if defined(_ARX_BUILD)
#define ARX_API __declspec(dllexport)
#else
#define ARX_API __declspec(dllimport)
#endif

struct Adesk
{
    typedef int8_t Int8;
    typedef int16_t Int16;
    typedef int32_t Int32;
    typedef uint8_t UInt8;
    typedef uint16_t UInt16;
    typedef uint32_t UInt32;
    typedef int64_t Int64;
    typedef uint64_t UInt64;
    typedef bool Boolean;
    static const bool kFalse = false;
    static const bool kTrue = true;
};

typedef wchar_t ACHAR;
