// The framework's typed value: settings keep their value and limits in one, the help
// markup passes parameters and variables in them. One comparison routine serves all
// types so that a setting's limits and a markup \if read the same way.
#pragma once

#include <cstdint>

#include "core/DateTime.h"
#include "core/HashTable.h"
#include "core/String.h"

enum VarType : int32_t {
    kVarNull = 0,
    kVarBoolean = 1,
    kVarCharacter = 2,
    kVarByte = 3,
    kVarSmallInteger = 4,           // 16 bits
    kVarUnsignedSmallInteger = 5,
    kVarInteger = 6,                // 32 bits
    kVarUnsignedInteger = 7,
    kVarLargeInteger = 8,           // 64 bits
    kVarUnsignedLargeInteger = 9,
    kVarSmallRational = 10,         // float
    kVarRational = 11,              // double
    kVarString = 12,
    kVarDate = 13,
    kVarDateTime = 14,
    kVarTime = 15,
    kVarIPAddress = 16,             // IPv4, first octet in the high byte
    kVarTypeCount = 17,
};

// Where a type keeps its value.
enum VarStorage : int32_t {
    kVarStoreNone = 0,
    kVarStoreWhole = 1,     // 64-bit integer: Booleans, characters, whole numbers, addresses
    kVarStoreReal = 2,
    kVarStoreCalendar = 4,  // dates, date/times and times
    kVarStoreText = 8,
};

enum VarOperator : int32_t {
    kVarEqual = 1,
    kVarNotEqual = 2,
    kVarLessOrEqual = 3,
    kVarGreaterOrEqual = 4,
    kVarLess = 5,
    kVarGreater = 6,
};

// "!ERROR!" for codes outside the table.
const char* VarTypeName(int32_t type);
VarStorage VarStorageOf(int32_t type);

class Var {
public:
    Var() = default;

    static Var Boolean(bool value);
    static Var Character(char value);
    static Var Byte(uint8_t value);
    static Var SmallInteger(int16_t value);
    static Var UnsignedSmallInteger(uint16_t value);
    static Var Integer(int32_t value);
    static Var UnsignedInteger(uint32_t value);
    static Var LargeInteger(int64_t value);
    static Var UnsignedLargeInteger(uint64_t value);
    static Var SmallRational(float value);
    static Var Rational(double value);
    static Var Text(const String& value);
    // The part that does not belong to the type is cleared: a date loses its time
    // and a time its date.
    static Var Date(const DateTime& value);
    static Var DateAndTime(const DateTime& value);
    static Var Time(const DateTime& value);
    static Var IPAddress(uint32_t address);
    // Any whole-number type from a 64-bit value, cut to the type's width.
    static Var Whole(int32_t type, int64_t value);

    int32_t Type() const { return type_; }
    VarStorage Storage() const { return VarStorageOf(type_); }
    const char* TypeName() const { return VarTypeName(type_); }
    bool IsNull() const { return type_ == kVarNull; }
    bool IsNumber() const;

    // Reading as another kind of value. Whole numbers from reals drop the fraction
    // (and saturate); from text they are read as the text reads, 0 when it does not.
    int64_t ToWhole() const;
    double ToReal() const;
    bool ToBoolean() const;
    // The form a user sees: decimal numbers, "m/d/yy" dates, "HH:ii:ss" times,
    // dotted addresses, "true" and "false".
    String ToText() const;
    // Dates, date/times and times as they are; text as it reads; else nothing set.
    DateTime ToDateTime() const;
    // The string of a text value, without a copy; empty for other types.
    const String& TextValue() const { return text_; }

    // Reads text as a value of the given type. False, with the value unchanged, when
    // the text is not of that type (or a whole number does not fit its width).
    bool SetFromText(int32_t type, const char* text);
    // The same value as another type; false, unchanged, when it cannot be.
    bool ConvertTo(int32_t type);

    // op is a VarOperator; any other code makes every comparison false.
    bool Compare(const Var& other, int32_t op) const;

private:
    int32_t type_ = kVarNull;
    union Payload {
        Payload() : whole(0) {}
        int64_t whole;
        double real;
        float smallReal;
        DateTime calendar;
    } p_;
    String text_;
};

// A value read from the text of a name=value list, typed by its form: "true" and
// "false"; whole numbers (integer, or large integer when wider); reals; dotted IPv4
// addresses; "m/d/yyyy" dates; "H:ii" and "H:ii:ss" times; quoted text (a doubled
// quote stands for one); any other run of characters as text. Returns the length
// read, 0 when nothing there is a value.
int32_t ReadVarValue(const char* text, Var& value);

// Values by name, in the order they were first read.
using VarTable = HashTable<Var, String>;

enum VarListResult : int32_t {
    kVarListSuccess = 0,
    kVarListNameExpected = 1,
    kVarListValueExpected = 2,
    kVarListSeparatorExpected = 3,
};

// Options of ReadVarList.
constexpr int kVarListLineBreaks = 0x1;      // a line break also ends an item
constexpr int kVarListFreeSeparators = 0x2;  // items need no separator at all

// Reads "name=value; name; ..." into table: a name without a value is the Boolean
// true, and a name read again takes the later value. Reading stops at the first
// fault with its VarListResult; the items before it stay stored, and stoppedAt (when
// given) receives the offset of the fault or of the end.
int32_t ReadVarList(const char* text, VarTable& table, int options = 0,
                    int32_t* stoppedAt = nullptr);
// "Success", ..; "!ERROR!" for other codes.
const char* VarListResultText(int32_t result);
