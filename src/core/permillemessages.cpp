#include "core/permillemessages.h"

namespace kelvarino::PerMilleMessages {

namespace {
const QString CrLf = QStringLiteral("\r\n");
const QString Problem = QStringLiteral("Υπάρχει πρόβλημα με τα χιλιοστά ");
} // namespace

QString title()
{
    return QStringLiteral("Πρόβλημα με τα χιλιοστά");
}

QString allZero(const QString &storedLabel)
{
    return Problem + storedLabel + QStringLiteral(".") + CrLf
        + QStringLiteral("Μάλλον δεν έχετε ορίσει χιλιοστά γιατί όλα είναι μηδενικά.") + CrLf
        + QStringLiteral("Διορθώστε τα χιλιοστά και επανέλθετε.");
}

QString nothingLeftForBalances(const QString &storedLabel)
{
    return Problem + storedLabel + QStringLiteral(" και τις εκπτώσεις σε ιδιοκτήτες/ενοίκους. ") + CrLf
        + QStringLiteral("Για την ακρίβεια αν αφαιρεθούν οι ιδιοκτήτες/ένοικοι με έκπτωση, οι υπόλοιποι "
                         "ιδιοκτήτες έχουν στο σύνολο μηδενικά χιλιοστά.")
        + CrLf
        + QStringLiteral("Διορθώστε τα χιλιοστά και/ή τις εκπτώσεις στους ιδιοκτήτες/ενοίκους και επανέλθετε.");
}

QString nothingLeftForOwners(const QString &storedLabel)
{
    return Problem + storedLabel + QStringLiteral(" και τις εκπτώσεις σε ιδιοκτήτες. ") + CrLf
        + QStringLiteral("Για την ακρίβεια αν αφαιρεθούν οι ιδιοκτήτες με έκπτωση, οι υπόλοιποι ιδιοκτήτες "
                         "έχουν στο σύνολο μηδενικά χιλιοστά.")
        + CrLf + QStringLiteral("Διορθώστε τα χιλιοστά και/ή τις εκπτώσεις στους ιδιοκτήτες και επανέλθετε.");
}

QString nothingLeftForResidents(const QString &storedLabel)
{
    return Problem + storedLabel + QStringLiteral(" και τις εκπτώσεις σε ιδιοκτήτες/ενοίκους. ") + CrLf
        + QStringLiteral("Για την ακρίβεια αν αφαιρεθούν οι ένοικοι με έκπτωση, οι υπόλοιποι ένοικοι έχουν "
                         "στο σύνολο μηδενικά χιλιοστά.")
        + CrLf + QStringLiteral("Διορθώστε τα χιλιοστά και/ή τις εκπτώσεις στους ενοίκους και επανέλθετε.");
}

} // namespace kelvarino::PerMilleMessages
