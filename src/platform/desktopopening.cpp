#include "platform/desktopopening.h"

#include <QDir>

namespace kelvarino {

namespace {

bool OpenOrSay(const Platform &platform, const QUrl &url, const QString &title, const QString &refusal)
{
    if (platform.desktop->openUrl(url))
        return true;
    platform.messages->information(title, refusal);
    return false;
}

// Where a file or a page is: a file's whole path as the desktop writes it.
QString Location(const QUrl &url)
{
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

} // namespace

bool OpenSavedFileOnDesktop(const Platform &platform, const QString &path)
{
    const QUrl file = QUrl::fromLocalFile(path);
    return OpenOrSay(platform, file, QStringLiteral("Άνοιγμα αρχείου"),
                     QStringLiteral("Δεν μπορέσαμε να ανοίξουμε το αρχείο με κάποιο πρόγραμμα του υπολογιστή σας. "
                                    "Το αρχείο αποθηκεύτηκε στη θέση:\n\n")
                         + Location(file) + QStringLiteral("\n\nΑνοίξτε το εσείς χειροκίνητα."));
}

bool OpenMailOnDesktop(const Platform &platform, const QString &address)
{
    // The address alone, every character that could start a query or a
    // fragment encoded, so that the mail program sees nothing but it.
    const QByteArray encoded = QUrl::toPercentEncoding(address, "@");
    return OpenOrSay(platform, QUrl(QStringLiteral("mailto:") + QString::fromLatin1(encoded)),
                     QStringLiteral("Αποστολή email"),
                     QStringLiteral("Δεν μπορέσαμε να ανοίξουμε κάποιο πρόγραμμα ηλεκτρονικού ταχυδρομείου του "
                                    "υπολογιστή σας για τη διεύθυνση:\n\n")
                         + address + QStringLiteral("\n\nΣτείλτε το μήνυμά σας εσείς χειροκίνητα."));
}

bool OpenPageOnDesktop(const Platform &platform, const QUrl &page)
{
    return OpenOrSay(platform, page, QStringLiteral("Μετάβαση στην ιστοσελίδα"),
                     QStringLiteral("Δεν μπορέσαμε να ανοίξουμε την ιστοσελίδα με κάποιο πρόγραμμα του υπολογιστή "
                                    "σας. Η ιστοσελίδα βρίσκεται στη θέση:\n\n")
                         + Location(page));
}

} // namespace kelvarino
