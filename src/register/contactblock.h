#pragma once

#include "core/buildingdata.h"

#include <QString>

#include <array>
#include <optional>

namespace kelvarino {

// The clipboard text that carries one person's contact data between persons:
// 191 characters of fixed fields led by a tag (salutation 10, street 50, area
// 30, phone 15, mobile 15, and the first 48 characters of the e-mail).
inline constexpr int ContactBlockLength = 191;

QString MakeContactBlock(const PersonRecord &person);

// The six fields of a block (salutation, street, area, phone, mobile, e-mail),
// padded as stored; nothing when the text does not begin with the tag (letter
// case counts).
std::optional<std::array<QString, 6>> ReadContactBlock(const QString &text);

} // namespace kelvarino
