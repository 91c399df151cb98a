#include "core/datafile.h"

#include "core/bytereader.h"
#include "core/bytewriter.h"
#include "platform/boundedfile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

namespace kelvarino {
namespace {

constexpr qsizetype MagicBytes = 20;
const char MagicV1[] = "Quelbarinostrova_1.0";
const char MagicV2[] = "Quelbarinostrova_2.0";
static_assert(sizeof(MagicV1) == MagicBytes + 1 && sizeof(MagicV2) == MagicBytes + 1);
// The work itself starts after the magic and the two password numbers.
constexpr qsizetype WorkOffset = MagicBytes + 8;
constexpr std::size_t FontFieldWidth = 200;
// What a per-mille column holds on file for each flat: per-mille, resident
// reduction, owner reduction.
constexpr qsizetype BytesPerFlatInColumn = 3 * qsizetype(sizeof(float));

// The layouts below give each record's fields in file order. The same function
// reads (Io = ByteReader, record mutable) and writes (Io = ByteWriter, record
// const), so reading and writing cannot drift apart.

constexpr auto HeaderLayout = [](auto &io, auto &w) {
    for (int c = 1; c < CategoryCount; ++c) // label 0 is fixed and never stored
        io(w.CategoryLabels[c]);
    io(w.BuildingId);
    io(w.InitialCash);
    io(w.PreviousPeriodCharges);
    for (auto &reserve : w.Reserves)
        io(reserve);
    io(w.InitialNote);
};

constexpr auto FlatLayout = [](auto &io, auto &r) {
    io(r.ShortName);
    io(r.Description);
    io(r.ResidentInitialDebt); // the resident's debt comes first on file
    io(r.OwnerInitialDebt);
};

constexpr auto PersonLayout = [](auto &io, auto &r) {
    io(r.Name);
    io(r.Female);
    io(r.Salutation);
    io(r.Street);
    io(r.AreaPostcode);
    io(r.Phone);
    io(r.Mobile);
    io(r.Email);
};

constexpr auto ProfessionalLayout = [](auto &io, auto &r) {
    io(r.Name);
    io(r.Activity);
    io(r.Street);
    io(r.AreaPostcode);
    io(r.Phone);
    io(r.Mobile);
    io(r.Email);
    io(r.Web);
    io(r.Notes);
};

constexpr auto AdministratorLayout = [](auto &io, auto &r) {
    io(r.Person);
    io(r.FromDate);
    io(r.ToDate);
};

constexpr auto OccupancyLayout = [](auto &io, auto &r) {
    io(r.Person);
    io(r.Flat);
    io(r.FromDate);
    io(r.ToDate);
};

// Format 1.0 knows no unpaid expenses: its records end before NotPaidYet.
auto expenseLayout(int version)
{
    return [version](auto &io, auto &r) {
        io(r.Date);
        io(r.Category);
        io(r.Description);
        io(r.AllFlats);
        io(r.Flat);
        io(r.ChargedToOwner);
        io(r.Amount);
        if (version >= 2)
            io(r.NotPaidYet);
    };
}

constexpr auto PaymentLayout = [](auto &io, auto &r) {
    io(r.Date);
    io(r.Flat);
    io(r.OwnerAmount);
    io(r.ResidentAmount);
    io(r.ResidentNote);
    io(r.OwnerNote);
};

// The per-flat values are interleaved by flat; the column's arrays must already
// hold flatCount entries.
auto columnLayout(std::size_t flatCount)
{
    return [flatCount](auto &io, auto &column) {
        io(column.EndDate);
        for (std::size_t j = 0; j < flatCount; ++j) {
            io(column.PerMille[j]);
            io(column.ResidentReduction[j]);
            io(column.OwnerReduction[j]);
        }
        io(column.Comment);
    };
}

constexpr auto IssueLayout = [](auto &io, auto &r) {
    io(r.IssueDate); // the issue date comes first on file
    io(r.PeriodFrom);
    io(r.PeriodTo);
    io(r.Announcement);
};

constexpr auto PrintSettingLayout = [](auto &io, auto &s) {
    for (std::size_t k = 0; k < s.Widths.size(); ++k) {
        io(s.Widths[k]);
        io(s.Heights[k]);
    }
    io(s.PaperSize);
    io(s.Portrait);
    io(s.Magnification);
    io(s.PageNumbers);
    io(s.ExpenseColumnsPerPage);
    io(s.PageIndependency);
    io(s.ColouredPrint);
    io(s.BoldTitles);
    io(s.VariableLetterSize);
    io(s.Reserved20);
    io(s.MarginLeft);
    io(s.MarginRight);
    io(s.MarginTop);
    io(s.MarginBottom);
    io(s.Reserved40);
    io(s.Reserved42);
    io(s.Reserved44);
    io(s.Reserved46);
    io(s.Reserved48);
    io(s.ReceiptsOnPage);
    io(s.Reserved52);
};

// The bytes one record takes on file, measured by writing a blank one.
template <class Record, class Layout>
qsizetype recordBytes(const Layout &layout)
{
    ByteWriter measure;
    const Record blank{};
    layout(measure, blank);
    return measure.size();
}

// Whether a record's references name existing persons, flats and categories.
// A common expense may name no flat (-1); an individual charge must name one.
class ReferenceCheck
{
public:
    ReferenceCheck(std::size_t persons, std::size_t flats)
        : persons_(persons), flats_(flats)
    {
    }
    explicit ReferenceCheck(const BuildingData &work)
        : ReferenceCheck(work.Persons.size(), work.Flats.size())
    {
    }

    bool operator()(const AdministratorPeriod &a) const { return isIndex(a.Person, persons_); }
    bool operator()(const OccupancyPeriod &o) const { return isIndex(o.Person, persons_) && isIndex(o.Flat, flats_); }
    bool operator()(const ExpenseRecord &e) const
    {
        const bool commonWithoutFlat = e.AllFlats != 0 && e.Flat == -1;
        return isIndex(e.Category, CategoryCount) && (commonWithoutFlat || isIndex(e.Flat, flats_));
    }
    bool operator()(const PaymentRecord &p) const { return isIndex(p.Flat, flats_); }
    // Flats, persons, professionals and issues refer to nothing.
    template <class Record>
    bool operator()(const Record &) const { return true; }

private:
    static bool isIndex(int index, std::size_t count) { return index >= 0 && std::size_t(index) < count; }

    std::size_t persons_;
    std::size_t flats_;
};

// Records are read in sections of about this size, so that no buffer follows
// a list's length.
constexpr qint64 SectionBytes = qint64(1) << 20;

// A count of records; none when the file ends first or it is negative.
std::optional<qint16> readCount(DataFileSource &in)
{
    const std::optional<QByteArray> bytes = in.take(qint64(sizeof(qint16)));
    if (!bytes)
        return std::nullopt;
    const qint16 count = ByteReader(*bytes).i16();
    return count < 0 ? std::nullopt : std::optional<qint16>(count);
}

// Reads a count and that many records, each checked as soon as it is read
// (while it is still at hand). The records' bytes must be in the file before
// the list is made.
template <class Record, class Layout>
bool readList(DataFileSource &in, std::vector<Record> &list, const Layout &layout, const ReferenceCheck &valid)
{
    const std::optional<qint16> count = readCount(in);
    const qint64 size = recordBytes<Record>(layout);
    if (!count || qint64(*count) * size > in.remaining())
        return false;
    // Blank records first: a field the format lacks keeps its default.
    list.assign(std::size_t(*count), Record());
    const std::size_t perSection = std::size_t(std::max<qint64>(1, SectionBytes / size));
    for (std::size_t first = 0; first < list.size(); first += perSection) {
        const std::size_t n = std::min(perSection, list.size() - first);
        const std::optional<QByteArray> bytes = in.take(qint64(n) * size);
        if (!bytes)
            return false;
        // The section holds exactly its records: no test per field.
        BasicByteReader<false> records(bytes->constData(), bytes->size());
        for (std::size_t k = first; k < first + n; ++k) {
            layout(records, list[k]);
            if (!valid(list[k]))
                return false;
        }
    }
    return true;
}

// Reads a fixed-size group of fields, such as the header or the print
// settings, from one section.
template <class Target, class Layout>
bool readFixed(DataFileSource &in, Target &target, const Layout &layout, qint64 size)
{
    const std::optional<QByteArray> bytes = in.take(size);
    if (!bytes)
        return false;
    BasicByteReader<false> fields(bytes->constData(), bytes->size());
    layout(fields, target);
    return true;
}

// Writes the count and the records, each checked as it is written; false
// (with the output unusable) at the first record whose references are broken.
template <class Record, class Layout>
bool writeList(ByteWriter &out, const std::vector<Record> &list, const Layout &layout, const ReferenceCheck &valid)
{
    out.expect(qsizetype(sizeof(qint16)) + qsizetype(list.size()) * recordBytes<Record>(layout));
    out(qint16(list.size()));
    for (const Record &record : list) {
        if (!valid(record))
            return false;
        layout(out, record);
    }
    return true;
}

qsizetype columnBytes(std::size_t flatCount)
{
    return recordBytes<ShareColumn>(columnLayout(0)) + qsizetype(flatCount) * BytesPerFlatInColumn;
}

bool readColumns(DataFileSource &in, BuildingData &staging)
{
    std::array<qint16, CategoryCount> counts{};
    qint64 total = 0;
    for (qint16 &count : counts) {
        const std::optional<qint16> read = readCount(in);
        if (!read)
            return false;
        count = *read;
        total += count;
    }
    const std::size_t flatCount = staging.Flats.size();
    if (flatCount == 0) // no column block follows, so no column can be stored
        return total == 0;
    // With flats, every category needs a column to share its expenses by.
    const qint64 size = columnBytes(flatCount);
    if (std::any_of(counts.begin(), counts.end(), [](qint16 count) { return count == 0; })
        || total * size > in.remaining())
        return false;
    const auto layout = columnLayout(flatCount);
    for (int c = 0; c < CategoryCount; ++c) {
        auto &columns = staging.ShareColumns[c];
        columns.clear();
        columns.reserve(std::size_t(counts[c]));
        for (int k = 0; k < counts[c]; ++k) {
            ShareColumn column = ShareColumn::zeros(int(flatCount));
            if (!readFixed(in, column, layout, size))
                return false;
            columns.push_back(std::move(column));
        }
    }
    return true;
}

void writeColumns(ByteWriter &out, const BuildingData &work)
{
    qsizetype total = 0;
    for (const auto &columns : work.ShareColumns) {
        out(qint16(columns.size()));
        total += qsizetype(columns.size());
    }
    out.expect(total * columnBytes(work.Flats.size()));
    const auto layout = columnLayout(work.Flats.size());
    for (const auto &columns : work.ShareColumns)
        for (const ShareColumn &column : columns)
            layout(out, column);
}

bool columnsFitFlats(const BuildingData &work)
{
    const std::size_t flatCount = work.Flats.size();
    for (const auto &columns : work.ShareColumns) {
        if (columns.size() > std::size_t(MaxListCount) || columns.empty() != (flatCount == 0))
            return false;
        for (const ShareColumn &column : columns)
            if (column.PerMille.size() != flatCount || column.ResidentReduction.size() != flatCount
                || column.OwnerReduction.size() != flatCount)
                return false;
    }
    return true;
}

template <class Record>
bool allValid(const std::vector<Record> &list, const ReferenceCheck &valid)
{
    return std::all_of(list.begin(), list.end(), [&](const Record &record) { return valid(record); });
}

template <class... Lists>
bool noListOverCap(const Lists &...lists)
{
    return ((lists.size() <= std::size_t(MaxListCount)) && ...);
}

// Every list within its cap and the columns matching the flats.
bool shapeFits(const BuildingData &work)
{
    return noListOverCap(work.Flats, work.Persons, work.Professionals, work.Administrators, work.Owners,
                         work.Residents, work.Expenses, work.Payments, work.Issues)
        && columnsFitFlats(work);
}

} // namespace

PackedPasswordPair PackPassword(const FixedText<8> &password)
{
    PackedPasswordPair packed{};
    for (int half = 0; half < 2; ++half) {
        qint64 value = 0;
        qint64 weight = 1;
        for (int k = 0; k < 4; ++k) {
            const int code = static_cast<unsigned char>(password.data()[half * 4 + k]);
            value += (code - 128) * weight;
            weight *= 256;
        }
        packed[half] = qint32(quint32(quint64(value))); // the low 32 bits
    }
    return packed;
}

FixedText<8> UnpackPassword(const PackedPasswordPair &packed)
{
    char codes[8];
    for (int half = 0; half < 2; ++half) {
        qint64 number = packed[half];
        for (int k = 0; k < 4; ++k) {
            // The remainder d in -128..127 for which number - d is a multiple of 256.
            const int d = qint8(quint8(number & 0xFF));
            codes[half * 4 + k] = char(d + 128);
            number = (number - d) / 256;
        }
    }
    FixedText<8> password;
    password.setBytes(codes, sizeof codes);
    return password;
}

namespace DataFileMessages {
QString readTitle()
{
    return QStringLiteral("Πρόβλημα με την ανάγνωση του αρχείου");
}
QString foreignFile(const QString &fullPath)
{
    return QStringLiteral("Το αρχείο ") + fullPath + QStringLiteral(" δεν είναι αρχείο του προγράμματος.");
}
QString damaged()
{
    return QStringLiteral("Τα αποθηκευμένα δεδομένα μπορεί να είναι κατεστραμμένα.");
}
QString damagedFile(const QString &fullPath)
{
    return damaged() + QStringLiteral("\n\nΑρχείο: ") + fullPath;
}
QString unreadableFile(const QString &fullPath, DataFileProblem problem)
{
    const QString cannot = QStringLiteral("δεν μπορεί να διαβαστεί, διότι ");
    QString why;
    switch (problem) {
    case DataFileProblem::Missing:
        why = QStringLiteral("δεν υπάρχει. Είτε το σβήσατε, είτε το μετακινήσατε.");
        break;
    case DataFileProblem::NoPermission:
        why = cannot + QStringLiteral("δεν έχετε δικαίωμα να το διαβάσετε.");
        break;
    case DataFileProblem::TooManyLinks:
        why = cannot + QStringLiteral("οι συντομεύσεις (σύνδεσμοι) που οδηγούν σε αυτό σχηματίζουν κύκλο ή είναι "
                                      "υπερβολικά πολλές.");
        break;
    case DataFileProblem::UnreadableName:
        why = cannot + QStringLiteral("το όνομά του περιέχει χαρακτήρες που δεν αναγνωρίζονται. Δώστε του άλλο "
                                      "όνομα και ανοίξτε το ξανά.");
        break;
    case DataFileProblem::None:
    case DataFileProblem::Unreadable:
        why = QStringLiteral("δεν μπορεί να διαβαστεί. Μάλλον, το μέσον στο οποίο βρίσκεται δεν είναι διαθέσιμο.");
        break;
    }
    return QStringLiteral("Το αρχείο δεδομένων:\n\n") + fullPath + QStringLiteral("\n\n") + why;
}
} // namespace DataFileMessages

bool IsStorableWork(const BuildingData &work)
{
    const ReferenceCheck valid(work);
    return shapeFits(work) && allValid(work.Administrators, valid) && allValid(work.Owners, valid)
        && allValid(work.Residents, valid) && allValid(work.Expenses, valid) && allValid(work.Payments, valid);
}

qint64 LargestDataFileSize()
{
    // An empty work holds every fixed part: header, counts, print settings
    // and the font field.
    const qint64 fixedParts = WriteDataFile(BuildingData(), FixedText<8>(), QString()).size();
    const qint64 recordsOfEveryList = recordBytes<FlatRecord>(FlatLayout) + recordBytes<PersonRecord>(PersonLayout)
        + recordBytes<ProfessionalRecord>(ProfessionalLayout)
        + recordBytes<AdministratorPeriod>(AdministratorLayout) + 2 * recordBytes<OccupancyPeriod>(OccupancyLayout)
        + recordBytes<ExpenseRecord>(expenseLayout(2)) + recordBytes<PaymentRecord>(PaymentLayout)
        + recordBytes<IssueRecord>(IssueLayout);
    const qint64 most = MaxListCount;
    return fixedParts + most * recordsOfEveryList + CategoryCount * most * qint64(columnBytes(std::size_t(most)));
}

namespace {

DataFileProblem problemOf(BoundedFile::Refusal refusal, const QString &path)
{
    switch (refusal) {
    case BoundedFile::Refusal::None:
    case BoundedFile::Refusal::NotRegular:
    case BoundedFile::Refusal::TooLarge: return DataFileProblem::None;
    case BoundedFile::Refusal::Missing:
        // A name whose bytes were no text reached the program with stand-ins
        // for them, and no file has the name it was given.
        return path.contains(QChar::ReplacementCharacter) ? DataFileProblem::UnreadableName : DataFileProblem::Missing;
    case BoundedFile::Refusal::NoPermission: return DataFileProblem::NoPermission;
    case BoundedFile::Refusal::TooManyLinks: return DataFileProblem::TooManyLinks;
    case BoundedFile::Refusal::Unreadable: return DataFileProblem::Unreadable;
    }
    return DataFileProblem::Unreadable;
}

} // namespace

DataFileOpening OpenDataFile(const QString &path)
{
    auto file = std::make_unique<BoundedFile>(path, LargestDataFileSize());
    const BoundedFile::Refusal refusal = file->open();
    DataFileOpening opening;
    opening.problem = problemOf(refusal, path);
    if (opening.problem != DataFileProblem::None)
        return opening;
    if (refusal != BoundedFile::Refusal::None) { // not a file of ours whatever it holds
        opening.reader.emplace(QByteArray());
        return opening;
    }
    auto source = std::make_unique<DataFileSource>(std::move(file));
    DataFileSource &reading = *source;
    opening.reader.emplace(std::move(source));
    // Its first bytes must come from the disk for the file to be judged at all.
    if (reading.readFailed()) {
        opening.reader.reset();
        opening.problem = DataFileProblem::Unreadable;
    }
    return opening;
}

DataFileReader::DataFileReader(QByteArray bytes)
    : DataFileReader(std::make_unique<DataFileSource>(std::move(bytes)))
{
}

DataFileReader::DataFileReader(std::unique_ptr<DataFileSource> source)
    : source_(std::move(source)), prologue_(source_->upTo(WorkOffset))
{
}

DataFileReader::DataFileReader(DataFileReader &&) noexcept = default;
DataFileReader &DataFileReader::operator=(DataFileReader &&) noexcept = default;
DataFileReader::~DataFileReader() = default;

int DataFileReader::CheckDataFileVersion() const
{
    const QByteArrayView magic = QByteArrayView(prologue_).first(std::min(prologue_.size(), MagicBytes));
    if (magic == QByteArrayView(MagicV2))
        return 2;
    if (magic == QByteArrayView(MagicV1))
        return 1;
    return -1;
}

PackedPasswordPair DataFileReader::PackedPassword() const
{
    ByteReader in(prologue_, MagicBytes);
    PackedPasswordPair packed{};
    in(packed[0]);
    in(packed[1]);
    return in.ok() ? packed : PackPassword(FixedText<8>());
}

bool DataFileReader::ReadDataFile(int version, BuildingData &staging)
{
    fontField_.clear();
    if ((version != 1 && version != 2) || prologue_.size() != WorkOffset)
        return false;
    // A count may declare, and the file hold, more than memory takes.
    try {
        DataFileSource &in = *source_;
        staging.CategoryLabels[0].set(FixedCategoryLabel());
        if (!readFixed(in, staging, HeaderLayout, recordBytes<BuildingData>(HeaderLayout)))
            return false;

        // Flats and persons come first, so every later reference is checked
        // against them as it is read.
        const ReferenceCheck nothingToRefer(0, 0);
        bool ok = readList(in, staging.Flats, FlatLayout, nothingToRefer)
            && readList(in, staging.Persons, PersonLayout, nothingToRefer);
        const ReferenceCheck valid(staging);
        if (version >= 2)
            ok = ok && readList(in, staging.Professionals, ProfessionalLayout, valid);
        else
            staging.Professionals.clear();
        ok = ok && readList(in, staging.Administrators, AdministratorLayout, valid)
            && readList(in, staging.Owners, OccupancyLayout, valid)
            && readList(in, staging.Residents, OccupancyLayout, valid)
            && readList(in, staging.Expenses, expenseLayout(version), valid)
            && readList(in, staging.Payments, PaymentLayout, valid) && readColumns(in, staging)
            && readList(in, staging.Issues, IssueLayout, valid);
        PrintSettingSlots settings{};
        const auto everySlot = [](auto &io, auto &all) {
            for (auto &slot : all)
                PrintSettingLayout(io, slot);
        };
        if (!ok || !readFixed(in, settings, everySlot, recordBytes<PrintSettingSlots>(everySlot)))
            return false;
        staging.PrintSettings = settings;
        // The preferred font of the writer's installation; a short or missing
        // field at the very end is tolerated, and anything after it ignored.
        fontField_ = in.upTo(qint64(FontFieldWidth));
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    } catch (const std::length_error &) {
        return false;
    }
}

FileStamp DataFileReader::finish() { return source_->finish(); }

QByteArray WriteDataFile(const BuildingData &work, const FixedText<8> &password, const QString &preferredFont)
{
    // The references are checked record by record while writing.
    if (!shapeFits(work))
        return QByteArray();

    ByteWriter out;
    out.raw(MagicV2, MagicBytes);
    const PackedPasswordPair packed = PackPassword(password);
    out(packed[0]);
    out(packed[1]);
    HeaderLayout(out, work);
    const ReferenceCheck valid(work);
    const bool storable = writeList(out, work.Flats, FlatLayout, valid)
        && writeList(out, work.Persons, PersonLayout, valid)
        && writeList(out, work.Professionals, ProfessionalLayout, valid)
        && writeList(out, work.Administrators, AdministratorLayout, valid)
        && writeList(out, work.Owners, OccupancyLayout, valid) && writeList(out, work.Residents, OccupancyLayout, valid)
        && writeList(out, work.Expenses, expenseLayout(2), valid) && writeList(out, work.Payments, PaymentLayout, valid);
    if (!storable)
        return QByteArray();
    writeColumns(out, work);
    if (!writeList(out, work.Issues, IssueLayout, valid))
        return QByteArray();
    for (const PrintSetting &slot : work.PrintSettings)
        PrintSettingLayout(out, slot);
    out(FixedText<FontFieldWidth>(preferredFont));
    return out.take();
}

SaveOutcome SaveFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return SaveOutcome::WriteFailed;
    // A file the user made read-only stays as it is, as it would if it were
    // rewritten in place.
    const QFileInfo target(path);
    if (target.exists() && !target.isWritable())
        return SaveOutcome::OpenFailed;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveOutcome::OpenFailed;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return SaveOutcome::WriteFailed;
    }
    return file.commit() ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

} // namespace kelvarino
