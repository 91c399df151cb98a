// Reading and writing a data file at the limits of the format, each beside a
// plain copy of the same bytes (in memory and through a file) in the same run.
#include "core/datafile.h"
#include "core/printsettings.h"
#include "core/workstate.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

#include <malloc.h>
#include <unistd.h>

using namespace kelvarino;

namespace {

// 300 flats, 1000 persons, 32767 expenses and payments, 10 columns per
// category and 200 issues: about 8.5 MB.
BuildingData LimitBuilding()
{
    BuildingData b;
    b.BuildingId.set(QStringLiteral("Πολυκατοικία στα όρια του αρχείου"));
    for (int j = 0; j < 300; ++j) {
        FlatRecord f;
        f.ShortName.set(QStringLiteral("Δ%1").arg(j));
        f.Description.set(QStringLiteral("Διαμέρισμα %1").arg(j));
        f.OwnerInitialDebt = float(j);
        b.Flats.push_back(f);
    }
    for (int p = 0; p < 1000; ++p) {
        PersonRecord r;
        r.Name.set(QStringLiteral("Πρόσωπο %1").arg(p));
        r.Email.set(QStringLiteral("p%1@example.org").arg(p));
        b.Persons.push_back(r);
        if (p < 300) {
            b.Owners.push_back({qint16(p), qint16(p), NotSetDate, NotSetDate});
            b.Residents.push_back({qint16(p + 300), qint16(p), NotSetDate, NotSetDate});
        }
    }
    b.Administrators.push_back({0, NotSetDate, NotSetDate});
    for (int e = 0; e < MaxListCount; ++e) {
        ExpenseRecord r;
        r.Date = 40000 + e / 20;
        r.Category = qint16(e % CategoryCount);
        r.AllFlats = e % 4 ? True16 : False16;
        r.Flat = r.AllFlats ? qint16(-1) : qint16(e % 300);
        r.Amount = float(e % 1000) + 0.25f;
        r.Description.set(QStringLiteral("Δαπάνη %1").arg(e));
        b.Expenses.push_back(r);

        PaymentRecord p;
        p.Date = 40000 + e / 20;
        p.Flat = qint16(e % 300);
        p.OwnerAmount = float(e % 50);
        p.ResidentNote.set(QStringLiteral("Πληρωμή %1").arg(e));
        b.Payments.push_back(p);
    }
    for (auto &columns : b.ShareColumns)
        for (int k = 0; k < 10; ++k) {
            ShareColumn column = ShareColumn::zeros(300, k == 9 ? NotSetDate : 40000 + 100 * k);
            for (int j = 0; j < 300; ++j)
                column.PerMille[j] = 1000.0f / 300.0f;
            columns.push_back(column);
        }
    for (int i = 0; i < 200; ++i) {
        IssueRecord issue;
        issue.PeriodFrom = 40000 + 30 * (199 - i);
        issue.PeriodTo = issue.PeriodFrom + 29;
        issue.IssueDate = issue.PeriodTo + 2;
        b.Issues.push_back(issue);
    }
    SetDefaultPrintSettings(b.PrintSettings);
    return b;
}

struct Fixture
{
    Fixture()
        : work(LimitBuilding())
        , bytes(WriteDataFile(work, FixedText<8>(), QStringLiteral("Arial Greek")))
        , path(dir.filePath(QStringLiteral("limit.s43")))
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark file");
    }
    BuildingData work;
    QByteArray bytes;
    QTemporaryDir dir;
    QString path;
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Check, read into the staging copy, commit: what opening a file does.
void open(AppState &state, QByteArray bytes)
{
    DataFileReader reader(std::move(bytes));
    const int version = reader.CheckDataFileVersion();
    UnpackPassword(reader.PackedPassword());
    if (version != 2 || !ReadIntoStaging(state, reader, version))
        qFatal("the benchmark file did not open");
    CommitLoaded(state);
}

void setBytes(benchmark::State &state)
{
    state.SetBytesProcessed(state.iterations() * fixture().bytes.size());
}

void OpenFromMemory(benchmark::State &state)
{
    AppState app;
    for (auto _ : state) {
        open(app, fixture().bytes);
        benchmark::DoNotOptimize(app.Building.Expenses.data());
    }
    setBytes(state);
}

void PlainCopyInMemory(benchmark::State &state)
{
    const QByteArray &bytes = fixture().bytes;
    for (auto _ : state) {
        QByteArray copy(bytes.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), bytes.constData(), std::size_t(bytes.size()));
        benchmark::DoNotOptimize(copy.data());
    }
    setBytes(state);
}

void OpenFromFile(benchmark::State &state)
{
    AppState app;
    for (auto _ : state) {
        open(app, readAll(fixture().path));
        benchmark::DoNotOptimize(app.Building.Expenses.data());
    }
    setBytes(state);
}

void PlainFileRead(benchmark::State &state)
{
    for (auto _ : state) {
        QByteArray bytes = readAll(fixture().path);
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}

void WriteToMemory(benchmark::State &state)
{
    for (auto _ : state) {
        QByteArray bytes = WriteDataFile(fixture().work, FixedText<8>(), QStringLiteral("Arial Greek"));
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}

void SaveToFile(benchmark::State &state)
{
    const QString path = fixture().dir.filePath(QStringLiteral("saved.s43"));
    for (auto _ : state) {
        const QByteArray bytes = WriteDataFile(fixture().work, FixedText<8>(), QStringLiteral("Arial Greek"));
        if (SaveFileAtomically(path, bytes) != SaveOutcome::Saved)
            qFatal("the benchmark file was not saved");
    }
    setBytes(state);
}

void PlainFileWrite(benchmark::State &state)
{
    const QString path = fixture().dir.filePath(QStringLiteral("plain.s43"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fixture().bytes) != fixture().bytes.size())
            qFatal("the plain file was not written");
    }
    setBytes(state);
}

// The plain write made as durable as a save, which flushes the new file to
// the disk before it replaces the old one.
void PlainFileWriteSynced(benchmark::State &state)
{
    const QString path = fixture().dir.filePath(QStringLiteral("plain-synced.s43"));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fixture().bytes) != fixture().bytes.size()
            || !file.flush() || ::fsync(file.handle()) != 0)
            qFatal("the plain file was not written");
    }
    setBytes(state);
}

} // namespace

BENCHMARK(OpenFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainCopyInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainFileRead)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteToMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainCopyInMemory)->Name("PlainCopyInMemory/write")->Unit(benchmark::kMillisecond);
BENCHMARK(SaveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainFileWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainFileWriteSynced)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Keep the 4 MB lists on the heap instead of fresh mappings, so that both
    // sides of each comparison run on memory already mapped and the figures
    // show the work of the code, not the kernel's page faults (which otherwise
    // come and go with glibc's adaptive thresholds and swamp everything).
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    fixture(); // build the work and its file before anything is timed
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
