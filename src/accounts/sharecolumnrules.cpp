#include "accounts/sharecolumnrules.h"

#include "platform/messageservice.h"

#include <algorithm>

namespace kelvarino {

namespace {

const char *EndDatesTitle = "Πρόβλημα με τις καταληκτικές ημερομηνίες";

bool IsOpen(const ShareColumn &column)
{
    return column.EndDate == NotSetDate;
}

bool Refuse(MessageService &messages, const char *title, const QString &text)
{
    messages.exclamation(QString::fromUtf8(title), text);
    return false;
}

bool EveryFlatReduced(const std::vector<float> &reductions)
{
    return !reductions.empty() && std::all_of(reductions.begin(), reductions.end(), [](float r) { return r != 0; });
}

// The per-mille of the flats whose reduction is exactly 0.
float UnreducedPerMille(const ShareColumn &column, const std::vector<float> &reductions)
{
    float sum = 0;
    for (std::size_t i = 0; i < column.PerMille.size(); ++i)
        if (i >= reductions.size() || reductions[i] == 0)
            sum += column.PerMille[i];
    return sum;
}

bool KeepDespite(MessageService &messages, const QString &first)
{
    const QString text = first + QStringLiteral("\r\nΑυτό δεν ισχύει στα δεδομένα σας.\r\n")
        + QStringLiteral("Θέλετε να κλείσετε το παράθυρο ορισμού και διαχείρισης χιλιοστών χωρίς να διορθώσετε "
                         "αυτό το πρόβλημα; ");
    return messages.show({QStringLiteral("Πρόβλημα με τα χιλιοστά"), text, MessageIcon::Exclamation,
                          MessageButtons::YesNo, MessageAnswer::No})
        == MessageAnswer::Yes;
}

} // namespace

bool ShareColumnsMayClose(const std::vector<ShareColumn> &columns, MessageService &messages)
{
    const auto open = std::count_if(columns.begin(), columns.end(), IsOpen);
    if (open == 0)
        return Refuse(messages, EndDatesTitle,
                      QStringLiteral("Όλες οι στήλες χιλιοστών έχουν συμπληρωμένη την καταληκτική ημερομηνία. "
                                     "Θα πρέπει να υπάρχει μία στήλη χιλιοστών με κενό στην καταληκτική "
                                     "ημερομηνία, ώστε να υπάρχουν χιλιοστά σε ισχύ σήμερα."));
    if (open > 1)
        return Refuse(messages, EndDatesTitle,
                      QStringLiteral("Περισσότερες από μία στήλη χιλιοστών έχουν κενό στην καταληκτική ημερομηνία. "
                                     "Θα πρέπει να υπάρχει μόνο μία στήλη χιλιοστών με κενό στην καταληκτική "
                                     "ημερομηνία, ώστε να υπάρχουν μοναδικά χιλιοστά σε ισχύ σήμερα."));
    for (std::size_t i = 0; i < columns.size(); ++i)
        for (std::size_t j = i + 1; j < columns.size(); ++j)
            if (columns[i].EndDate == columns[j].EndDate)
                return Refuse(messages, EndDatesTitle,
                              QStringLiteral("Υπάρχουν τουλάχιστον δύο στήλες χιλιοστών που έχουν την ίδια "
                                             "καταληκτική ημερομηνία. Οι καταληκτικές ημερομηνίες θα πρέπει να "
                                             "είναι διαφορετικές μεταξύ τους. "));
    for (const ShareColumn &column : columns) {
        if (EveryFlatReduced(column.ResidentReduction))
            return Refuse(messages, "Πρόβλημα με τις εκπτώσεις ενοίκων",
                          QStringLiteral("Πρέπει να υπάρχει τουλάχιστον ένας ένοικος χωρίς έκπτωση. Δεν μπορεί "
                                         "όλοι οι ένοικοι να έχουν έκπτωση. Ποιός θα πληρώσει τη διαφορά;"));
        if (EveryFlatReduced(column.OwnerReduction))
            return Refuse(messages, "Πρόβλημα με τις εκπτώσεις ιδιοκτητών",
                          QStringLiteral("Πρέπει να υπάρχει τουλάχιστον ένας ιδιοκτήτης χωρίς έκπτωση. Δεν "
                                         "μπορεί όλοι οι ιδιοκτήτες να έχουν έκπτωση. Ποιός θα πληρώσει τη "
                                         "διαφορά;"));
    }
    for (const ShareColumn &column : columns) {
        if (UnreducedPerMille(column, column.ResidentReduction) == 0
            && !KeepDespite(messages, QStringLiteral("Αν εξαιρέσουμε τους ενοίκους με έκπτωση, οι υπόλοιποι "
                                                     "ένοικοι θα πρέπει στο σύνολό τους να έχουν μη μηδενικά "
                                                     "χιλιοστά.")))
            return false;
        if (UnreducedPerMille(column, column.OwnerReduction) == 0
            && !KeepDespite(messages, QStringLiteral("Αν εξαιρέσουμε τους ιδιοκτήτες με έκπτωση, οι υπόλοιποι "
                                                     "ιδιοκτήτες θα πρέπει στο σύνολό τους να έχουν μη μηδενικά "
                                                     "χιλιοστά.")))
            return false;
    }
    return true;
}

void SortShareColumns(std::vector<ShareColumn> &columns)
{
    const std::size_t n = columns.size();
    for (std::size_t o = 0; o + 1 < n; ++o)
        for (std::size_t u = o + 1; u < n; ++u)
            if (IsOpen(columns[o]) || (!IsOpen(columns[u]) && columns[o].EndDate > columns[u].EndDate))
                std::swap(columns[o], columns[u]);
}

void InsertColumnCopy(std::vector<ShareColumn> &columns, int k)
{
    ShareColumn copy = columns[std::size_t(k)];
    copy.EndDate = NotSetDate;
    copy.Comment = FixedText<50>();
    columns.insert(columns.begin() + k + 1, std::move(copy));
}

void ClearColumn(ShareColumn &column)
{
    for (auto *values : {&column.PerMille, &column.ResidentReduction, &column.OwnerReduction})
        std::fill(values->begin(), values->end(), 0.0f);
}

void FillColumnEqually(ShareColumn &column, int flatCount)
{
    if (flatCount <= 0)
        return;
    const float share = float(1000.0 / flatCount);
    column.PerMille.assign(std::size_t(flatCount), share);
}

float PerMilleTotal(const ShareColumn &column)
{
    float total = 0;
    for (const float value : column.PerMille)
        total += value;
    return total;
}

} // namespace kelvarino
