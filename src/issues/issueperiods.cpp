#include "issues/issueperiods.h"

#include "platform/localeservice.h"
#include "platform/messageservice.h"

#include <utility>

namespace kelvarino {

QString IssueDatesProblem(const IssueRecord &issue, IssueEntry entry)
{
    const bool isNew = entry == IssueEntry::New;
    if (!IsDateSet(issue.IssueDate))
        return isNew ? QStringLiteral("Ορίστε ημερομηνία έκδοσης νέων κοινοχρήστων και επανέλθετε.")
                     : QStringLiteral("Ορίστε ημερομηνία έκδοσης κοινοχρήστων και επανέλθετε.");
    if (!IsDateSet(issue.PeriodFrom))
        return isNew ? QStringLiteral("Ορίστε την αρχή της περιόδου για την έκδοση νέων κοινοχρήστων και επανέλθετε.")
                     : QStringLiteral("Ορίστε την αρχή της περιόδου για την έκδοση κοινοχρήστων και επανέλθετε.");
    if (!IsDateSet(issue.PeriodTo))
        return isNew ? QStringLiteral("Ορίστε το τέλος της περιόδου για την έκδοση νέων κοινοχρήστων και επανέλθετε.")
                     : QStringLiteral("Ορίστε το τέλος της περιόδου για την έκδοση κοινοχρήστων και επανέλθετε.");
    if (issue.PeriodFrom > issue.PeriodTo)
        return isNew ? QStringLiteral("Η περίοδος για την έκδοση νέων κοινοχρήστων δεν έχει σωστές ημερομηνίες.")
                     : QStringLiteral("Η περίοδος για την έκδοση κοινοχρήστων δεν έχει σωστές ημερομηνίες.");
    return {};
}

bool OverlapsOtherIssue(const std::vector<IssueRecord> &issues, double from, double to, int except)
{
    const auto within = [](double day, double first, double last) { return first <= day && day <= last; };
    for (std::size_t i = 0; i < issues.size(); ++i) {
        if (int(i) == except)
            continue;
        const IssueRecord &other = issues[i];
        if (within(from, other.PeriodFrom, other.PeriodTo) || within(to, other.PeriodFrom, other.PeriodTo)
            || within(other.PeriodFrom, from, to) || within(other.PeriodTo, from, to))
            return true;
    }
    return false;
}

bool ConfirmOverlap(MessageService &messages, IssueEntry entry)
{
    MessageRequest question;
    question.icon = MessageIcon::Exclamation;
    question.buttons = MessageButtons::YesNo;
    question.defaultAnswer = MessageAnswer::Yes;
    if (entry == IssueEntry::New) {
        question.title = QStringLiteral("Μήπως υπάρχει πρόβλημα;");
        question.text = QStringLiteral("Η περίοδος για την έκδοση νέων κοινοχρήστων έχει κοινή τομή με την περίοδο "
                                       "προηγούμενης έκδοσης κοινοχρήστων.\r\n\r\n"
                                       "Παρόλα αυτά θέλετε να προχωρήσετε με τον ορισμό αυτής της περιόδου;");
    } else {
        question.title = QStringLiteral("Πρόβλημα");
        question.text = QStringLiteral("Η περίοδος για την έκδοση κοινοχρήστων έχει κοινή τομή με την περίοδο "
                                       "άλλης έκδοσης κοινοχρήστων.\r\n"
                                       "Παρόλα αυτά θέλετε να γίνουν οι αλλαγές και να προχωρήσετε;");
    }
    return messages.show(question) == MessageAnswer::Yes;
}

void SortIssues(std::vector<IssueRecord> &issues)
{
    const std::size_t n = issues.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (issues[i].PeriodTo < issues[j].PeriodTo)
                std::swap(issues[i], issues[j]);
}

IssueRecord FreshIssue(const Clock &clock)
{
    IssueRecord issue;
    issue.IssueDate = LocaleService::today(clock);
    return issue;
}

} // namespace kelvarino
