// SPDX-License-Identifier: MIT
// The program started against copies of its data folders damaged in each way
// a file can be: it must reach its main window quickly with the documented
// messages, print nothing, stay small and open no file outside its folders.
#include "hang_guard.h"
#include "hostile_catalogues.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <ostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int StartLimitMs = HangGuard::ProcessMs;
constexpr int TracedLimitMs = HangGuard::TracedMs;
// Address and leak checking multiply the resident memory of any Qt program.
#if defined(__SANITIZE_ADDRESS__)
constexpr long MemoryLimitKiB = 1024 * 1024;
#else
constexpr long MemoryLimitKiB = 200 * 1024;
#endif

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool copyTree(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator files(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        if (files.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(source, target))
            return false;
    }
    return true;
}

// A GIF whose single frame is frameWidth x frameHeight pixels of colour 0, on
// a logical screen of the given size, with or without a global colour map.
// A frame of more than 64 pixels holds only the first 64.
QByteArray gifBytes(int screenWidth, int screenHeight, int frameWidth, int frameHeight, bool colourMap)
{
    auto word = [](QByteArray& out, int value) {
        out.append(char(value & 0xFF));
        out.append(char((value >> 8) & 0xFF));
    };
    QByteArray out("GIF89a");
    word(out, screenWidth);
    word(out, screenHeight);
    out.append(char(colourMap ? 0x81 : 0x00)); // four colours
    out.append(2, '\0');
    if (colourMap)
        out.append(QByteArray::fromHex("000000ff000000ff00ffffff"));
    out.append(',');
    word(out, 0);
    word(out, 0);
    word(out, frameWidth);
    word(out, frameHeight);
    out.append('\0');
    // Three-bit codes, a clear code before every two pixels so that the width
    // never grows: clear = 4, end = 5.
    QList<int> codes;
    const qint64 pixels = std::min<qint64>(qint64(frameWidth) * frameHeight, 64);
    for (qint64 i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            codes.append(4);
        codes.append(0);
    }
    codes.append(5);
    QByteArray data;
    unsigned bits = 0;
    int count = 0;
    for (const int code : codes) {
        bits |= unsigned(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        data.append(char(bits & 0xFF));
    out.append(char(2));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
    out.append(';');
    return out;
}

QByteArray pngBytes()
{
    return QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de"
                               "0000000c4944415408d763f8cfc000000301010018dd8db00000000049454e44ae426082");
}

struct Damage {
    const char* name;
    // Damages the copy in the folder; false when the damage cannot be made.
    std::function<bool(const QString& folder)> apply;
    // Catalogues whose shape names (solid.xml, flat.xml) or categories
    // (categories.xml) must be refused with the loader's ERROR message.
    QStringList refusedShapeFiles;
    QStringList refusedCategoryFiles;
    // Run only by a user whose permissions are enforced (not root).
    bool needsPermissions = false;
};

// The pictures that every start decodes: a solid and a flat thumbnail and a
// button icon.
const QStringList Pictures = {QStringLiteral("img/solid/cone_round.gif"), QStringLiteral("img/flat/circle.gif"),
                              QStringLiteral("img/ui/copy_volume.gif")};

std::function<bool(const QString&)> replaceFile(const QString& name, std::function<QByteArray(const QByteArray&)> make)
{
    return [name, make](const QString& folder) {
        const QString path = folder + QLatin1Char('/') + name;
        return writeAll(path, make(readAll(path)));
    };
}

std::function<bool(const QString&)> removeFile(const QString& name)
{
    return [name](const QString& folder) { return QFile::remove(folder + QLatin1Char('/') + name); };
}

std::function<bool(const QString&)> folderInstead(const QString& name)
{
    return [name](const QString& folder) {
        const QString path = folder + QLatin1Char('/') + name;
        return QFile::remove(path) && QDir().mkdir(path);
    };
}

std::function<bool(const QString&)> fifoInstead(const QString& name)
{
    return [name](const QString& folder) {
        const QString path = folder + QLatin1Char('/') + name;
        return QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    };
}

std::function<bool(const QString&)> unreadable(const QString& name)
{
    return [name](const QString& folder) {
        return ::chmod(QFile::encodeName(folder + QLatin1Char('/') + name).constData(), 0) == 0;
    };
}

std::function<bool(const QString&)> everyPicture(std::function<QByteArray(const QByteArray&)> make)
{
    return [make](const QString& folder) {
        for (const QString& name : Pictures) {
            if (!replaceFile(name, make)(folder))
                return false;
        }
        return true;
    };
}

std::function<bool(const QString&)> everyPictureBy(std::function<std::function<bool(const QString&)>(const QString&)> damage)
{
    return [damage](const QString& folder) {
        for (const QString& name : Pictures) {
            if (!damage(name)(folder))
                return false;
        }
        return true;
    };
}

QByteArray halfOf(const QByteArray& bytes)
{
    return bytes.left(bytes.size() / 2);
}

// The sphere's picture named by the hostile text instead.
std::function<bool(const QString&)> sphereImageNamed(const QString& name)
{
    return replaceFile(QStringLiteral("langs/solid.xml"), [name](const QByteArray& bytes) {
        QByteArray changed = bytes;
        return changed.replace("\"sphere.gif\"", "\"" + name.toUtf8() + "\"");
    });
}

QByteArray utf16(const QByteArray& utf8Catalogue)
{
    QByteArray text = utf8Catalogue;
    text.replace("encoding=\"UTF-8\"", "encoding=\"UTF-16\"");
    const QString decoded = QString::fromUtf8(text);
    QByteArray out("\xFF\xFE", 2);
    for (const QChar c : decoded) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

const QString Solid = QStringLiteral("langs/solid.xml");
const QString Categories = QStringLiteral("langs/categories.xml");
const QString English = QStringLiteral("langs/kolvent.en");

const QByteArray ExternalEntity = "<?xml version=\"1.0\"?>\n"
                                  "<!DOCTYPE shapes [<!ENTITY secret SYSTEM \"file:///etc/passwd\">]>\n"
                                  "<shapes><shape id=\"sphere\"><name lang=\"en\" title=\"&secret;\"/></shape></shapes>\n";

QByteArray billionLaughs()
{
    QByteArray out = "<?xml version=\"1.0\"?>\n<!DOCTYPE shapes [\n<!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i <= 9; ++i)
        out += QStringLiteral("<!ENTITY lol%1 \"&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;\">\n")
                   .arg(i).arg(i - 1).toUtf8();
    out += "]>\n<shapes><shape id=\"sphere\"><name lang=\"en\" title=\"&lol9;\"/></shape></shapes>\n";
    return out;
}

QByteArray deeplyNested()
{
    constexpr int Depth = 100000;
    return "<shapes>" + QByteArray("<shape>").repeated(Depth) + QByteArray("</shape>").repeated(Depth) + "</shapes>";
}

QByteArray hugeAttribute()
{
    return "<shapes><shape id=\"sphere\"><name lang=\"en\" title=\"" + QByteArray(50 * 1024 * 1024, 'a')
        + "\"/></shape></shapes>";
}


QByteArray binaryBytes()
{
    QByteArray out;
    quint32 state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        out.append(char(state >> 24));
    }
    return out;
}

const std::vector<Damage>& damages()
{
    static const std::vector<Damage> all = {
        {"Undamaged", [](const QString&) { return true; }, {}, {}},
        {"CatalogueMissing", removeFile(Solid), {Solid}, {}},
        {"CategoriesMissing", removeFile(Categories), {}, {Categories}},
        {"CatalogueEmpty", replaceFile(Solid, [](const QByteArray&) { return QByteArray(); }), {Solid}, {}},
        {"CatalogueTruncated", replaceFile(Solid, halfOf), {Solid}, {}},
        {"CatalogueMalformed",
         replaceFile(Solid, [](const QByteArray&) { return QByteArray("<shapes><shape id=\"sphere\"></shapes>"); }),
         {Solid}, {}},
        {"CatalogueExternalEntity", replaceFile(Solid, [](const QByteArray&) { return ExternalEntity; }), {Solid}, {}},
        {"CategoriesExternalEntity", replaceFile(Categories, [](const QByteArray&) { return ExternalEntity; }), {},
         {Categories}},
        {"CatalogueBillionLaughs", replaceFile(Solid, [](const QByteArray&) { return billionLaughs(); }), {Solid}, {}},
        {"CatalogueNestedDeep", replaceFile(Solid, [](const QByteArray&) { return deeplyNested(); }), {Solid}, {}},
        {"CatalogueHugeAttribute", replaceFile(Solid, [](const QByteArray&) { return hugeAttribute(); }), {Solid}, {}},
        {"CatalogueManyAttributes", replaceFile(Solid, [](const QByteArray&) { return manyAttributes("sphere"); }), {Solid}, {}},
        // UTF-16 with its byte-order mark is XML as good as UTF-8.
        {"CatalogueUtf16", replaceFile(Solid, utf16), {}, {}},
        {"CatalogueFolder", folderInstead(Solid), {Solid}, {}},
        {"CatalogueFifo", fifoInstead(Solid), {Solid}, {}},
        {"CatalogueUnreadable", unreadable(Solid), {Solid}, {}, true},
        {"LanguageMissing", removeFile(English), {}, {}},
        {"LanguageEmpty", replaceFile(English, [](const QByteArray&) { return QByteArray(); }), {}, {}},
        {"LanguageBinary", replaceFile(English, [](const QByteArray&) { return binaryBytes(); }), {}, {}},
        {"LanguageLongLine",
         replaceFile(English, [](const QByteArray& bytes) { return bytes + "calculate=" + QByteArray(1000000, 'x') + '\n'; }),
         {}, {}},
        {"LanguageFolder", folderInstead(English), {}, {}},
        {"LanguageFifo", fifoInstead(English), {}, {}},
        {"PictureTruncated", everyPicture(halfOf), {}, {}},
        {"PictureZeroByZero", everyPicture([](const QByteArray&) { return gifBytes(0, 0, 2, 2, true); }), {}, {}},
        {"PictureHuge", everyPicture([](const QByteArray&) { return gifBytes(65535, 65535, 2, 2, true); }), {}, {}},
        {"PictureHugeFrame", everyPicture([](const QByteArray&) { return gifBytes(4, 4, 65535, 65535, true); }), {}, {}},
        {"PictureWithoutColourMap", everyPicture([](const QByteArray&) { return gifBytes(4, 4, 4, 4, false); }), {}, {}},
        {"PicturePngRenamed", everyPicture([](const QByteArray&) { return pngBytes(); }), {}, {}},
        {"PictureFolder", everyPictureBy(folderInstead), {}, {}},
        {"PictureFifo", everyPictureBy(fifoInstead), {}, {}},
        {"PictureUnreadable", everyPictureBy(unreadable), {}, {}, true},
        {"ImageNamedParentPath", sphereImageNamed(QStringLiteral("../../etc/passwd")), {}, {}},
        {"ImageNamedDeepParentPath", sphereImageNamed(QStringLiteral("../../../../../../../../../../../../etc/passwd")),
         {}, {}},
        {"ImageNamedDevice", sphereImageNamed(QStringLiteral("/dev/zero")), {}, {}},
        {"ImageNamedUrl", sphereImageNamed(QStringLiteral("file:///etc/passwd")), {}, {}},
    };
    return all;
}

QStringList expectedMessages(const Damage& damage, const QString& folder)
{
    const QString origin = QStringLiteral("[PrimitivesLibrary]\r\n");
    QStringList expected;
    for (const QString& file : damage.refusedShapeFiles)
        expected << origin + QStringLiteral("ERROR: Can't load shape names from xml-file\r\n\"") + folder
                + QLatin1Char('/') + file + QLatin1Char('"');
    for (const QString& file : damage.refusedCategoryFiles)
        expected << origin + QStringLiteral("ERROR: Can't load category names from xml-file\r\n\"") + folder
                + QLatin1Char('/') + file + QLatin1Char('"');
    return expected;
}

QStringList recordedMessages(const QString& path)
{
    QStringList messages;
    const QByteArray bytes = readAll(path);
    for (const QByteArray& message : bytes.split('\0')) {
        if (!message.isEmpty())
            messages << QString::fromUtf8(message);
    }
    return messages;
}

long childrenPeakKiB()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

// The paths that the traced run opened, from strace's log.
QStringList openedPaths(const QString& log)
{
    static const QRegularExpression call(QStringLiteral(R"(open(?:at)?\((?:[^,]*, )?"((?:[^"\\]|\\.)*)\")"));
    QStringList paths;
    for (const QByteArray& line : readAll(log).split('\n')) {
        const QRegularExpressionMatch match = call.match(QString::fromUtf8(line));
        if (match.hasMatch())
            paths << match.captured(1);
    }
    return paths;
}

class StartupTest : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        folder = QDir(work.path()).canonicalPath();
        const QString data = QStringLiteral(KOLVENT_SOURCE_DATA);
        ASSERT_TRUE(copyTree(data + QStringLiteral("/langs"), folder + QStringLiteral("/langs")));
        ASSERT_TRUE(copyTree(data + QStringLiteral("/img"), folder + QStringLiteral("/img")));
        probe = folder + QStringLiteral("/kolvent_probe");
        ASSERT_TRUE(QFile::copy(QStringLiteral(KOLVENT_PROBE), probe));
        ASSERT_TRUE(QFile::setPermissions(probe, QFile::permissions(probe) | QFile::ExeOwner));
        ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/runtime")));
        QFile::setPermissions(folder + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QProcess* start(const QString& messages, const QStringList& wrapper = {})
    {
        auto* process = new QProcess;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("KOLVENT_PROBE_MESSAGES"), messages);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder + QStringLiteral("/runtime"));
        // LeakSanitizer cannot run under ptrace; the untraced run checks leaks.
        if (!wrapper.isEmpty()) {
            const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
            environment.insert(QStringLiteral("ASAN_OPTIONS"),
                (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) + QStringLiteral("detect_leaks=0"));
        }
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(folder);
        if (wrapper.isEmpty())
            process->start(probe, {});
        else
            process->start(wrapper.first(), wrapper.mid(1) + QStringList {probe});
        return process;
    }

    QTemporaryDir work;
    QString folder;
    QString probe;
};

TEST_P(StartupTest, ReachesTheMainWindowQuietlySmallAndWithTheDocumentedMessages)
{
    const Damage& damage = GetParam();
    if (damage.needsPermissions && geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root from reading; the FIFO cases cover an unopenable file";
    ASSERT_TRUE(damage.apply(folder)) << "could not damage the copy";

    const QString messages = work.filePath(QStringLiteral("messages"));
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProcess> process(start(messages));
    ASSERT_TRUE(process->waitForStarted(StartLimitMs)) << process->errorString().toStdString();
    const bool finished = process->waitForFinished(StartLimitMs);
    const qint64 elapsed = clock.elapsed();
    if (!finished) {
        process->kill();
        process->waitForFinished(-1);
    }
    ASSERT_TRUE(finished) << "no exit within " << StartLimitMs << " ms";
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 0);
    std::printf("%s: main window reached and closed in %lld ms\n", damage.name, static_cast<long long>(elapsed));
    EXPECT_EQ(process->readAllStandardOutput().toStdString(), "");
    EXPECT_EQ(process->readAllStandardError().toStdString(), "");
    // Peak of every child so far: each run must have stayed under the limit.
    EXPECT_LT(childrenPeakKiB(), MemoryLimitKiB);

    const QStringList recorded = recordedMessages(messages);
    const QStringList expected = expectedMessages(damage, folder);
    EXPECT_EQ(recorded, expected) << "recorded:\n" << recorded.join(QStringLiteral("\n--\n")).toStdString();
}

TEST_P(StartupTest, OpensNoFileOutsideItsFolders)
{
    const Damage& damage = GetParam();
    if (damage.needsPermissions && geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root from reading";
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        GTEST_SKIP() << "strace is not installed: file access not checked";
    {
        QProcess check;
        check.start(strace, {QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("true")});
        if (!check.waitForFinished(StartLimitMs) || check.exitCode() != 0)
            GTEST_SKIP() << "strace cannot trace here (ptrace not permitted): file access not checked";
    }
    ASSERT_TRUE(damage.apply(folder)) << "could not damage the copy";

    const QString log = work.filePath(QStringLiteral("trace"));
    std::unique_ptr<QProcess> process(start(work.filePath(QStringLiteral("messages")),
        {strace, QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-e"), QStringLiteral("trace=open,openat"),
         QStringLiteral("-o"), log}));
    ASSERT_TRUE(process->waitForStarted(TracedLimitMs));
    const bool finished = process->waitForFinished(TracedLimitMs);
    if (!finished) {
        process->kill();
        process->waitForFinished(-1);
    }
    ASSERT_TRUE(finished);
    EXPECT_EQ(process->exitCode(), 0);

    const QStringList paths = openedPaths(log);
    ASSERT_FALSE(paths.isEmpty()) << "the trace shows no file opened at all";
    EXPECT_TRUE(paths.contains(folder + QStringLiteral("/langs/kolvent.en"))) << "the trace missed the data folder";
    for (const QString& path : paths) {
        const QString resolved = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : folder + QLatin1Char('/') + path);
        EXPECT_NE(resolved, QStringLiteral("/etc/passwd")) << path.toStdString();
        EXPECT_NE(resolved, QStringLiteral("/dev/zero")) << path.toStdString();
        if (path.startsWith(folder) || !QDir::isAbsolutePath(path)) {
            EXPECT_TRUE(resolved == folder || resolved.startsWith(folder + QLatin1Char('/')))
                << "escaped its folder: " << path.toStdString();
            // A picture name with a parent step must be refused, not opened.
            EXPECT_FALSE(path.contains(QLatin1String(".."))) << path.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Damages, StartupTest, ::testing::ValuesIn(damages()),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

} // namespace
