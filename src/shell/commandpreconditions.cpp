#include "shell/commandpreconditions.h"

namespace kelvarino {

namespace {

struct Precondition
{
    const char *command;
    bool (*holds)(const AppState &state);
    const char *title;
    const char *text;
    MessageIcon icon;
};

bool flatsAndPersons(const AppState &s) { return s.Building.FlatCount() >= 1 && s.Building.PersonCount() >= 1; }

const Precondition Preconditions[] = {
    {"flatOrder", [](const AppState &s) { return s.Building.FlatCount() >= 2; },
     "Σειρά εμφάνισης των διαμερισμάτων",
     "Πρέπει να έχετε ορίσει τουλάχιστον 2 διαμερίσματα για να έχει νόημα αυτή η λειτουργία.",
     MessageIcon::Exclamation},
    {"personOrder", [](const AppState &s) { return s.Building.PersonCount() >= 2; },
     "Σειρά εμφάνισης των εμπλεκομένων προσώπων",
     "Πρέπει να έχετε ορίσει τουλάχιστον 2 πρόσωπα για να έχει νόημα αυτή η λειτουργία.", MessageIcon::Exclamation},
    {"owners", flatsAndPersons, "Ορισμός ιδιοκτητών",
     "Για να ορίσετε ιδιοκτήτες θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα και πρόσωπα", MessageIcon::Information},
    {"residents", flatsAndPersons, "Ορισμός ενοίκων",
     "Για να ορίσετε ενοίκους θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα και πρόσωπα", MessageIcon::Information},
    {"professionalOrder", [](const AppState &s) { return s.Building.ProfessionalCount() >= 2; },
     "Σειρά εμφάνισης των επαγγελματιών",
     "Πρέπει να έχετε ορίσει τουλάχιστον 2 επαγγελματίες για να έχει νόημα αυτή η λειτουργία.",
     MessageIcon::Exclamation},
    {"expenses", [](const AppState &s) { return s.Building.FlatCount() >= 1; }, "Καταχώριση εξόδων",
     "Για να προχωρήσετε σε καταχώρηση εξόδων θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα",
     MessageIcon::Information},
    {"payments", [](const AppState &s) { return s.Building.FlatCount() >= 1; }, "Καταχώριση πληρωμών",
     "Για να προχωρήσετε σε καταχώρηση πληρωμών θα πρέπει πρώτα να έχετε ορίσει διαμερίσματα",
     MessageIcon::Information},
    {"issues", flatsAndPersons, "Πρόβλημα με την έκδοση κοινοχρήστων",
     "Δεν έχετε ορίσει διαμερίσματα και/ή εμπλεκόμενα πρόσωπα.", MessageIcon::Critical},
    {"contactList", [](const AppState &s) { return s.Building.PersonCount() >= 1; },
     "Συγκεντρωτική εκτύπωση στοιχείων επικοινωνίας εμπλεκομένων προσώπων",
     "Για να προχωρήσετε σε εκτύπωση στοιχείων επικοινωνίας εμπλεκομένων προσώπων θα πρέπει να έχετε ορίσει "
     "έστω και ένα πρόσωπο.",
     MessageIcon::Critical},
    {"perMilleTable", [](const AppState &s) { return s.Building.FlatCount() >= 1; }, "Εκτύπωση χιλιοστών",
     "Για να προχωρήσετε σε εκτύπωση χιλιοστών θα πρέπει να έχετε ορίσει έστω και ένα διαμέρισμα.",
     MessageIcon::Critical},
    {"selectPrinter", [](const AppState &s) { return !s.ProgramPrinter.isEmpty(); }, "Εκτυπωτές",
     "Δεν έχετε εγκατεστημένους εκτυπωτές στο σύστημά σας. Αν ξέρετε ότι έχετε εγκαταστήσει εκτυπωτές, "
     "επανεκκινήστε τον υπολογιστή σας.",
     MessageIcon::Exclamation},
};

} // namespace

bool CommandPreconditions::check(const QString &command, const AppState &state, MessageService &messages)
{
    for (const Precondition &rule : Preconditions) {
        if (command != QLatin1String(rule.command))
            continue;
        if (rule.holds(state))
            return true;
        messages.show({QString::fromUtf8(rule.title), QString::fromUtf8(rule.text), rule.icon, MessageButtons::Ok,
                       MessageAnswer::Ok});
        return false;
    }
    return true;
}

} // namespace kelvarino
