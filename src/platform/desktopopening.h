#pragma once

#include "platform/platform.h"

#include <QString>
#include <QUrl>

namespace kelvarino {

// Hands a file, a mail address or a web page to the desktop's program for it.
// A desktop that has no such program (or refuses) is not passed over in
// silence: the user is told, with the information icon, what could not be
// opened and where to find it. Each answers whether the desktop took it.

// A file the program has saved: the message gives its whole path.
bool OpenSavedFileOnDesktop(const Platform &platform, const QString &path);
// A new mail to the address, in the desktop's mail program.
bool OpenMailOnDesktop(const Platform &platform, const QString &address);
// A web page, here or on the web: the message gives where it is.
bool OpenPageOnDesktop(const Platform &platform, const QUrl &page);

} // namespace kelvarino
