#include "accounts/recordchecks.h"

#include "platform/messageservice.h"

namespace kelvarino {

namespace {

bool Refuse(MessageService &messages, const QString &title, const char *text)
{
    messages.exclamation(title, QString::fromUtf8(text));
    return false;
}

} // namespace

bool ExpenseMayBeStored(const ExpenseRecord &e, EntryPlace place, MessageService &messages)
{
    const QString title = QStringLiteral("Πρόβλημα με την καταγραφή της δαπάνης");
    if (!IsDateSet(e.Date))
        return Refuse(messages, title, "Η δαπάνη πρέπει να έχει ημερομηνία.");
    if (e.Category < 0)
        return Refuse(messages, title, "Πρέπει να δηλώσετε το είδος της δαπάνης.");
    if (e.Description.isBlank())
        return Refuse(messages, title, "Πρέπει να περιγράψετε λεκτικά τη δαπάνη.");
    if (e.AllFlats == 0 && e.Flat < 0)
        return Refuse(messages, title,
                      "Εφόσον η δαπάνη δεν αναφέρεται σε όλα τα διαμερίσματα, θα πρέπει να δηλώσετε το "
                      "διαμέρισμα στο οποίο αναφέρεται η δαπάνη.");
    if (e.Amount <= 0) {
        const QString question = place == EntryPlace::Frame
            ? QStringLiteral("Είστε βέβαιοι ότι θα θέλατε να έχετε για δαπάνη μια τέτοια ασυνήθιστη τιμή;")
            : QStringLiteral("Είστε σίγουροι ότι θέλετε να χρησιμοποιήσετε ασυνήθιστη τιμή για τη δαπάνη;");
        const MessageAnswer answer = messages.show(
            {title, QStringLiteral("Η δαπάνη πρέπει να είναι θετικός αριθμός.\r\n") + question,
             MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No});
        return answer == MessageAnswer::Yes;
    }
    return true;
}

bool PaymentMayBeStored(const PaymentRecord &p, EntryPlace place, MessageService &messages)
{
    const QString title = QStringLiteral("Πρόβλημα με την καταγραφή της πληρωμής");
    if (p.Flat < 0)
        return Refuse(messages, title, "Δεν έχετε σχετίσει την πληρωμή με διαμέρισμα.");
    if (p.OwnerAmount < 0 || p.ResidentAmount < 0)
        return Refuse(messages, title, "Η πληρωμή πρέπει να είναι θετικός αριθμός.");
    if (p.OwnerAmount == 0 && p.ResidentAmount == 0)
        return Refuse(messages, title,
                      place == EntryPlace::Frame ? "Τουλάχιστον ένας πρέπει να πληρώσει."
                                                 : "Ένας από τους δύο πρέπει να πληρώσει.");
    if (!IsDateSet(p.Date))
        return Refuse(messages, title, "Η πληρωμή πρέπει να έχει ημερομηνία.");
    return true;
}

} // namespace kelvarino
