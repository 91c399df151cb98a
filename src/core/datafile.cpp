#include "core/datafile.h"

#include "core/bytereader.h"
#include "core/bytewriter.h"
#include "platform/boundedfile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
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

// Reads a count and that many records, each checked as soon as it is read
// (while it is still at hand); the bytes they need are counted first.
template <class Record, class Layout>
bool readList(ByteReader &in, std::vector<Record> &list, const Layout &layout, const ReferenceCheck &valid)
{
    const qint16 count = in.i16();
    if (!in.ok() || count < 0)
        return false;
    // Once the records' bytes are known to be there, they are read without a
    // test per field.
    auto records = in.trusted(qint64(count) * recordBytes<Record>(layout));
    if (!records)
        return false;
    // Blank records first: a field the format lacks keeps its default.
    list.assign(std::size_t(count), Record());
    for (Record &record : list) {
        layout(*records, record);
        if (!valid(record))
            return false;
    }
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

bool readColumns(ByteReader &in, BuildingData &staging)
{
    std::array<qint16, CategoryCount> counts{};
    qint64 total = 0;
    for (qint16 &count : counts) {
        in(count);
        total += count;
    }
    if (!in.ok() || std::any_of(counts.begin(), counts.end(), [](qint16 count) { return count < 0; }))
        return false;
    const std::size_t flatCount = staging.Flats.size();
    if (flatCount == 0) // no column block follows, so no column can be stored
        return total == 0;
    // With flats, every category needs a column to share its expenses by.
    if (std::any_of(counts.begin(), counts.end(), [](qint16 count) { return count == 0; })
        || !in.has(total * columnBytes(flatCount)))
        return false;
    const auto layout = columnLayout(flatCount);
    for (int c = 0; c < CategoryCount; ++c) {
        auto &columns = staging.ShareColumns[c];
        columns.assign(std::size_t(counts[c]), ShareColumn::zeros(int(flatCount)));
        for (ShareColumn &column : columns)
            layout(in, column);
    }
    return in.ok();
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

std::optional<QByteArray> ReadDataFileBytes(const QString &path)
{
    BoundedFile file(path, LargestDataFileSize());
    switch (file.open()) {
    case BoundedFile::Refusal::None:
        break;
    case BoundedFile::Refusal::NotRegular:
    case BoundedFile::Refusal::TooLarge:
        return QByteArray();
    case BoundedFile::Refusal::Missing:
    case BoundedFile::Refusal::Unreadable:
        return std::nullopt;
    }
    // The magic first: a large file of another program is refused after its
    // first bytes, not after all of them are in memory.
    const QByteArray magic = file.peek(MagicBytes);
    const QByteArray bytes = DataFileReader(magic).CheckDataFileVersion() > 0 ? file.readRest() : magic;
    if (file.failed())
        return std::nullopt;
    return bytes;
}

DataFileReader::DataFileReader(QByteArray bytes)
    : bytes_(std::move(bytes))
{
}

int DataFileReader::CheckDataFileVersion() const
{
    const QByteArrayView magic = QByteArrayView(bytes_).first(std::min(bytes_.size(), MagicBytes));
    if (magic == QByteArrayView(MagicV2))
        return 2;
    if (magic == QByteArrayView(MagicV1))
        return 1;
    return -1;
}

PackedPasswordPair DataFileReader::PackedPassword() const
{
    ByteReader in(bytes_, MagicBytes);
    PackedPasswordPair packed{};
    in(packed[0]);
    in(packed[1]);
    return in.ok() ? packed : PackPassword(FixedText<8>());
}

bool DataFileReader::ReadDataFile(int version, BuildingData &staging)
{
    fontField_.clear();
    if (version != 1 && version != 2)
        return false;

    ByteReader in(bytes_, WorkOffset);
    staging.CategoryLabels[0].set(FixedCategoryLabel());
    HeaderLayout(in, staging);

    // Flats and persons come first, so every later reference is checked
    // against them as it is read.
    const ReferenceCheck nothingToRefer(0, 0);
    bool ok = in.ok() && readList(in, staging.Flats, FlatLayout, nothingToRefer)
        && readList(in, staging.Persons, PersonLayout, nothingToRefer);
    const ReferenceCheck valid(staging);
    if (version >= 2)
        ok = ok && readList(in, staging.Professionals, ProfessionalLayout, valid);
    else
        staging.Professionals.clear();
    ok = ok && readList(in, staging.Administrators, AdministratorLayout, valid)
        && readList(in, staging.Owners, OccupancyLayout, valid) && readList(in, staging.Residents, OccupancyLayout, valid)
        && readList(in, staging.Expenses, expenseLayout(version), valid)
        && readList(in, staging.Payments, PaymentLayout, valid) && readColumns(in, staging)
        && readList(in, staging.Issues, IssueLayout, valid);
    if (!ok)
        return false;

    PrintSettingSlots settings{};
    for (PrintSetting &slot : settings)
        PrintSettingLayout(in, slot);
    if (!in.ok())
        return false;
    staging.PrintSettings = settings;
    // The preferred font of the writer's installation; a short or missing
    // field at the very end is tolerated, and anything after it ignored.
    fontField_ = in.upTo(qsizetype(FontFieldWidth));
    return true;
}

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
