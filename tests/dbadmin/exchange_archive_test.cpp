#include "dbadmin/exchange_archive.h"
#include "hand_archive.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

const QByteArray kSql =
    "INSERT INTO `words_positive` (`positive`) VALUES ('LABI ĀČĒ 😀');\n"
    "INSERT INTO `words_positive` (`positive`) VALUES ('LABI ĀČĒ 😀');\n";
const QByteArray kText = "Contains: \"positives\".";

class ExchangeArchive : public ::testing::Test {
  protected:
    QString file(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    QByteArray slurp(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // What reading `member` of the archive says, or empty when it reads.
    QString failure(const QByteArray& archive, const QString& member = "a.sql") {
        try {
            const ArchiveReader reader(file("t.xpt", archive));
            reader.extract(member, out.path());
            return {};
        } catch (const ArchiveError& e) {
            return e.message();
        }
    }
    QTemporaryDir dir, out;
};

// Stored and compressed members, both trailer versions, a stored registry and bytes before the
// archive start are all read the same.
TEST_F(ExchangeArchive, ReadsArchivesBuiltFromTheLayout) {
    const struct {
        const char* form;
        HandArchive archive;
    } cases[] = {
        {"version 2", {}},
        {"version 2, stored registry", {2, false}},
        {"version 2 after other bytes", {2, true, "MZ-stub-bytes"}},
        {"version 1", {1}},
        {"version 1, stored registry", {1, false}},
    };
    for (const auto& c : cases) {
        const QByteArray archive =
            BuildArchive({{"brain.sql", kSql, 0}, {"brain.txt", kText, 1}}, c.archive);
        const ArchiveReader reader(file("hand.xpt", archive));
        EXPECT_EQ(reader.names(), (QStringList{"brain.sql", "brain.txt"})) << c.form;
        EXPECT_EQ(reader.read("BRAIN.SQL"), kSql) << c.form;
        const QString written = reader.extract("Brain.Txt", out.path());
        EXPECT_EQ(written, out.filePath("brain.txt")) << c.form;
        EXPECT_EQ(slurp(written), kText) << c.form;
    }
}

TEST_F(ExchangeArchive, AMemberKeepsItsStoredFolderBelowTheTarget) {
    const ArchiveReader reader(file("f.xpt", BuildArchive({{"x.sql", kSql, 0, "sub/deeper"}})));
    EXPECT_EQ(reader.extract("sub/deeper/X.SQL", out.path()), out.filePath("sub/deeper/x.sql"));
    EXPECT_EQ(slurp(out.filePath("sub/deeper/x.sql")), kSql);
}

// Read by the layout, not by the reader: what other installations will find in our files.
TEST_F(ExchangeArchive, WritesVersion2ByTheLayout) {
    const QByteArray noise = [] {
        QByteArray bytes;
        quint32 x = 12345;
        for (int i = 0; i < 4000; ++i)
            bytes += char((x = x * 1103515245 + 12345) >> 16);
        return bytes;
    }();
    const QString path = dir.filePath("w.xpt");
    WriteArchive(path, {{"brain.sql", kSql.repeated(50)}, {"brain.txt", noise}});
    const QByteArray archive = slurp(path);
    const QByteArray trailer = archive.right(36);
    const auto u32 = [](const QByteArray& b, int at) {
        return qFromLittleEndian<quint32>(b.constData() + at);
    };
    const auto u64 = [](const QByteArray& b, int at) {
        return qFromLittleEndian<quint64>(b.constData() + at);
    };
    EXPECT_EQ(u32(trailer, 0), ZlibCrc(archive.left(archive.size() - 36)));
    EXPECT_EQ(u32(trailer, 4), 2u);
    EXPECT_EQ(u32(trailer, 8), 2u);
    EXPECT_EQ(u32(trailer, 24), 1u);
    EXPECT_EQ(trailer.mid(28), QByteArray(8, '\0'));
    const quint64 dataSize = u64(trailer, 16);
    EXPECT_EQ(dataSize + u32(trailer, 12) + 36, quint64(archive.size()));
    const QByteArray registry = [&] {
        QByteArray packed = archive.mid(qsizetype(dataSize), u32(trailer, 12));
        // qUncompress wants the original size in front, big-endian.
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(1100, sized.data());
        return qUncompress(sized + packed);
    }();
    ASSERT_EQ(registry.size(), 1100);
    const QByteArray sql = registry.left(550), txt = registry.mid(550);
    EXPECT_EQ(sql.left(10), QByteArray("\x09"
                                       "brain.sql"));
    EXPECT_EQ(sql.mid(256, 256), QByteArray(256, '\0')) << "no folder";
    EXPECT_EQ(u64(sql, 512), quint64(kSql.size() * 50));
    EXPECT_EQ(u64(sql, 528), 0u);
    EXPECT_EQ(u64(sql, 536), 0u);
    EXPECT_EQ(u32(sql, 544), ZlibCrc(kSql.repeated(50)));
    EXPECT_EQ(sql[548], 0) << "compressible: a zlib stream";
    EXPECT_EQ(sql[549], 3);
    EXPECT_EQ(archive.mid(0, qsizetype(u64(sql, 520))), ZlibStream(kSql.repeated(50)));
    EXPECT_EQ(txt[548], 1) << "incompressible: stored";
    EXPECT_EQ(txt[549], 0);
    EXPECT_EQ(archive.mid(qsizetype(u64(txt, 536)), noise.size()), noise);
    EXPECT_EQ(u64(txt, 536) + quint64(noise.size()), dataSize);
}

TEST_F(ExchangeArchive, ANameGivenTwiceIsRefusedAndNothingIsWritten) {
    const QString path = dir.filePath("twice.xpt");
    try {
        WriteArchive(path, {{"a.sql", "1"}, {"A.SQL", "2"}});
        FAIL() << "written";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.message(), "A.SQL already exists in the archive");
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ExchangeArchive, DamagedArchivesSayWhatIsWrong) {
    const QByteArray good = BuildArchive({{"a.sql", kSql}});
    QByteArray flipped = good;
    flipped[3] = char(flipped[3] ^ 0x20);
    QByteArray future = good;
    qToLittleEndian<quint32>(3, future.data() + future.size() - 28);
    QByteArray hugeData = good;
    qToLittleEndian<quint64>(quint64(1) << 62, hugeData.data() + hugeData.size() - 20);
    QByteArray manyMembers = good;
    qToLittleEndian<quint32>(0xFFFFFFFF, manyMembers.data() + manyMembers.size() - 32);
    const QByteArray zeros(4 * 1024 * 1024, '\0');
    const struct {
        const char* what;
        QByteArray archive;
        QString member;
        QString text;
    } cases[] = {
        {"a changed data byte", flipped, "a.sql", "The archive appears to be corrupted"},
        {"a later format", future, "a.sql",
         "The archive was created with a different version of ZLBArchive (v3)"},
        {"shorter than a trailer", good.right(20), "a.sql", "The archive appears to be corrupted"},
        {"empty", {}, "a.sql", "The archive appears to be corrupted"},
        {"a data size beyond the file", hugeData, "a.sql", "The archive appears to be corrupted"},
        {"more members than the registry", manyMembers, "a.sql",
         "The archive appears to be corrupted"},
        {"a member's CRC", BuildArchive({{"a.sql", kSql, 0, {}, {}, 1234}}), "a.sql",
         "a.sql failed CRC check"},
        {"a stored member's CRC", BuildArchive({{"a.sql", kSql, 1, {}, {}, 1234}}), "a.sql",
         "a.sql failed CRC check"},
        {"a missing member", good, "b.sql", "b.sql not found in archive"},
        {"compressed then encrypted", BuildArchive({{"a.sql", kSql, 2}}), "a.sql",
         "No password given for encrypted file"},
        {"encrypted", BuildArchive({{"a.sql", kSql, 3}}), "a.sql",
         "No password given for encrypted file"},
        {"a zip bomb recorded small", BuildArchive({{"a.sql", zeros, 0, {}, 1000}}), "a.sql",
         "The archive appears to be corrupted"},
        {"a size recorded beyond the cap", BuildArchive({{"a.sql", kSql, 0, {}, quint64(1) << 40}}),
         "a.sql", "The archive appears to be corrupted"},
        {"a stream shorter than its record",
         BuildArchive({{"a.sql", kSql, 0, {}, quint64(kSql.size() + 10)}}), "a.sql",
         "The archive appears to be corrupted"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failure(c.archive, c.member), c.text) << c.what;
    EXPECT_EQ(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

TEST_F(ExchangeArchive, HostileMemberNamesAreRefusedAndNothingLandsOutsideTheTarget) {
    const QDir target(out.filePath("Exchange"));
    ASSERT_TRUE(QDir().mkpath(target.path()));
    const struct {
        QByteArray name, folder;
    } cases[] = {
        {"../escape.sql", {}},
        {"/tmp/escape.sql", {}},
        {"..\\escape.sql", {}},
        {"a/../../escape.sql", {}},
        {QByteArray("x.sql\0../../escape", 18), {}},
        {"escape.sql", "../.."},
        {"escape.sql", "/tmp"},
        {"escape.sql", "sub\\..\\.."},
        {"escape.sql", "C:"},
        {"..", {}},
    };
    for (const auto& c : cases) {
        const QString name = c.folder.isEmpty() ? QString::fromUtf8(c.name)
                                                : QString::fromUtf8(c.folder + '/' + c.name);
        const ArchiveReader reader(
            file("hostile.xpt", BuildArchive({{c.name, kSql, 1, c.folder}})));
        EXPECT_THROW(reader.extract(name, target.path()), ArchiveError) << c.name.toStdString();
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"Exchange"});
    EXPECT_EQ(target.entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    EXPECT_FALSE(QFile::exists("/tmp/escape.sql"));
}

// A link planted in the target folder under a member's name is replaced, never written through.
TEST_F(ExchangeArchive, ALinkInTheTargetIsReplacedNotFollowed) {
    const QString victim = dir.filePath("victim.txt");
    file("victim.txt", "keep me");
    ASSERT_TRUE(QFile::link(victim, out.filePath("a.sql")));
    EXPECT_EQ(failure(BuildArchive({{"a.sql", kSql}})), QString());
    EXPECT_EQ(slurp(victim), "keep me");
    EXPECT_EQ(slurp(out.filePath("a.sql")), kSql);
    EXPECT_FALSE(QFileInfo(out.filePath("a.sql")).isSymLink());
}

}  // namespace
