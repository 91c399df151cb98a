#pragma once

#include <QString>

class QLineEdit;

namespace kelvarino {

// How a text box of a register window treats what is typed.
enum class TypedTextRule {
    AsTyped,          // kept as typed
    TrimLeadingBlank, // a text that begins with a blank is trimmed at both ends
    RemoveSpaces,     // every blank removed (short names)
};

// Applies the rule to the box's text, replaces characters the data file cannot
// hold by "?" and cuts the text to the field's width; the box is rewritten
// (with its caret kept in place) only when the text changed. Returns the text.
QString ApplyTypedTextRule(QLineEdit *box, int width, TypedTextRule rule);

} // namespace kelvarino
