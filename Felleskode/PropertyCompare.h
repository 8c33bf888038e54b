#pragma once
// The comparison of a condition's value with a published property, by the rule of the property's kind:
//   integers and characters (by code): property against value, as 64-bit integers;
//   Boolean: value against property, False before True;
//   other enumerations: property against value, by ordinal (an unknown name is -1);
//   floating point: property against value;
//   text: value against property, ignoring ASCII case; wide character: its decimal code as text, likewise;
//   sets, object references, variants and anything else: never true.
// "Property against value" puts the property left of the operator: "ID<3" holds for IDs 1 and 2.

#include "PublishedProps.h"

#include <QStringView>

// Raises EConvertError when a Boolean condition's value is neither "True"/"False" nor a number.
bool CompareProperty(const QObject* obj, const TPropInfo& prop, int op, QStringView value);

// Whether a three-way result (negative, 0, positive) satisfies the operator.
bool ApplyOperator(int comparison, int op);
