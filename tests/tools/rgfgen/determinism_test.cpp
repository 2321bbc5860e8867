// Two generations give the same bytes, and the command line reads back
// what it wrote.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "library_fixture.h"
#include "noise.h"

namespace velmora::rgfgen::testing {
namespace {

QByteArray RunTool(const QStringList& arguments, int* exit_code = nullptr) {
    QProcess process;
    process.start(VELMORA_RGFGEN, arguments);
    process.waitForFinished(60000);
    if (exit_code != nullptr) {
        *exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return process.readAllStandardOutput();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Generation, TwoRunsWriteTheSameLibraryAsTheCodeBuilds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString first = dir.filePath("first.rgf");
    const QString second = dir.filePath("second.rgf");
    int code = 0;
    RunTool({"build", first}, &code);
    ASSERT_EQ(code, 0);
    RunTool({second}, &code);
    ASSERT_EQ(code, 0);
    const QByteArray bytes = Contents(first);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes, Contents(second));
    const std::vector<uint8_t> here = rgf::Serialize(Library());
    EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(here.data()),
                                static_cast<qsizetype>(here.size())));
}

TEST(Generation, ListExtractAndSheetReadTheLibrary) {
    QTemporaryDir dir;
    const QString library = dir.filePath("QOR.RGF");
    const std::vector<uint8_t> bytes = rgf::Serialize(Library());
    QFile file(library);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();

    const QStringList lines =
        QString::fromUtf8(RunTool({"list", library})).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(static_cast<size_t>(lines.size()), Library().size());
    const rgf::Entry& shuffle = *Find("Shuffle");
    EXPECT_TRUE(lines.contains(QString("wave Shuffle %1").arg(shuffle.payload.size())));
    EXPECT_TRUE(
        lines.contains(QString("cursor CUR_ARROW1A %1").arg(Find("CUR_ARROW1A")->payload.size())));

    int code = 0;
    const QString extracted = dir.filePath("shuffle.wav");
    RunTool({"extract", library, "shuffle", extracted}, &code);  // names ignore case
    EXPECT_EQ(code, 0);
    EXPECT_EQ(Contents(extracted), QByteArray(reinterpret_cast<const char*>(shuffle.payload.data()),
                                              static_cast<qsizetype>(shuffle.payload.size())));
    RunTool({"extract", library, "NO_SUCH_THING", extracted}, &code);
    EXPECT_NE(code, 0);

    const QString sheet = dir.filePath("sheet.png");
    RunTool({"sheet", library, sheet}, &code);
    EXPECT_EQ(code, 0);
    EXPECT_GT(QImage(sheet).height(), 500);
}

TEST(Generation, RefusesAFileThatIsNotALibrary) {
    QTemporaryDir dir;
    const QString junk = dir.filePath("junk.rgf");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library at all");
    file.close();
    int code = 0;
    RunTool({"list", junk}, &code);
    EXPECT_NE(code, 0);
}

TEST(TilingNoise, RepeatsAcrossBothEdges) {
    const TilingFractal noise(4, 6, 3, 0.5, 1234);
    for (double u : {0.0, 0.13, 0.5, 0.97}) {
        for (double v : {0.0, 0.31, 0.77}) {
            EXPECT_NEAR(noise.At(u, v), noise.At(u + 1, v), 1e-12);
            EXPECT_NEAR(noise.At(u, v), noise.At(u, v + 1), 1e-12);
            EXPECT_GE(noise.At(u, v), 0.0);
            EXPECT_LE(noise.At(u, v), 1.0);
        }
    }
}

}  // namespace
}  // namespace velmora::rgfgen::testing
