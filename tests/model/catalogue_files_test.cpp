// SPDX-License-Identifier: MIT
#include "hang_guard.h"
#include "hostile_catalogues.h"
#include "message_recorder.h"
#include "model/primitivesLibrary.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TTestShape : public TPrimitive {
public:
    TTestShape(QString id, QString image) : m_id(std::move(id)), m_image(std::move(image)) {}
    bool init() override
    {
        const bool result = TPrimitive::init();
        setClassId(m_id);
        setId(m_id);
        setImage(m_image);
        setGroup(QStringLiteral("flat"));
        return result;
    }

private:
    QString m_id;
    QString m_image;
};

const QString Origin = QStringLiteral("[PrimitivesLibrary]\r\n");

QString shapeError(const QString& path)
{
    return Origin + QStringLiteral("ERROR: Can't load shape names from xml-file\r\n\"") + path + QLatin1Char('"');
}

QString categoryError(const QString& path)
{
    return Origin + QStringLiteral("ERROR: Can't load category names from xml-file\r\n\"") + path + QLatin1Char('"');
}

class CatalogueFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_library.addPrimitive(create<TTestShape>(QStringLiteral("circle"), QStringLiteral("circle_init.gif")));
        m_library.addPrimitive(create<TTestShape>(QStringLiteral("sphere"), QString()));
        m_library.addPrimitive(create<TTestShape>(QStringLiteral("cone:round"), QString()));
    }

    QString write(const char* name, const QByteArray& text)
    {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    TPrimitive* shape(const char* id) const { return m_library.findPrimitive(QString::fromUtf8(id)); }

    QTemporaryDir m_dir;
    TPrimitivesLibrary m_library;
    MessageRecorder m_recorder;
};

TEST_F(CatalogueFiles, ShapeTitlesAndPicturesAreApplied)
{
    const QString file = write("flat.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<shapes>
  <!-- a comment between shapes -->
  <shape id="circle">
    <name lang="en" title="Circle"/>
    <name lang="ru" title="Круг"/>
    <image name="circle.gif"/>
    <note text="passed over"/>
    <name lang="de"/>
  </shape>
  <shape id="sphere"><name lang="en" title="Sphere"/></shape>
  <shape id="circle"><name lang="en" title="Round"/><image name="round.gif"/></shape>
  <shape><name lang="en" title="no id"/></shape>
</shapes>)");
    m_library.loadShapeNames(file);
    EXPECT_TRUE(m_recorder.messages.isEmpty()) << m_recorder.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("en")), QStringLiteral("Round"));
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("ru")), QStringLiteral("Круг"));
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("de")), QStringLiteral("circle"));
    EXPECT_EQ(shape("circle")->getImage(), QStringLiteral("round.gif"));
    EXPECT_EQ(shape("sphere")->getTitle(QStringLiteral("en")), QStringLiteral("Sphere"));
}

TEST_F(CatalogueFiles, ShapeFileWarnings)
{
    const QString file = write("solid.xml", R"(<catalogue>
  <Shape id="circle"><name lang="en" title="upper case tag"/></Shape>
  <figure/>
  <shape id="cube"><name lang="en" title="Cube"/></shape>
  <shape id="CIRCLE"><name lang="en" title="case differs"/></shape>
  <shape id="cone:round"><name lang="en" title="Cone"/><image name="cone_round.gif"/></shape>
</catalogue>)");
    m_library.loadShapeNames(file);
    EXPECT_EQ(m_recorder.messages,
              QStringList({Origin + QStringLiteral("WARRNING: Unknown tag <Shape>"),
                           Origin + QStringLiteral("WARRNING: Unknown tag <figure>"),
                           Origin + QStringLiteral("WARRNING: Primitive \"cube\" doesn't found!")}));
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("en")), QStringLiteral("circle"));
    EXPECT_EQ(shape("circle")->getImage(), QStringLiteral("circle_init.gif"));
    EXPECT_EQ(shape("cone:round")->getTitle(QStringLiteral("en")), QStringLiteral("Cone"));
    EXPECT_EQ(shape("cone:round")->getImage(), QStringLiteral("cone_round.gif"));
}

TEST_F(CatalogueFiles, DeclaredEncodingIsRead)
{
    QByteArray text("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<s><shape id=\"circle\">"
                    "<name lang=\"ru\" title=\"");
    text += QByteArray("\xCA\xF0\xF3\xE3");  // "Круг" in Windows-1251
    text += "\"/></shape></s>";
    m_library.loadShapeNames(write("cp1251.xml", text));
    EXPECT_TRUE(m_recorder.messages.isEmpty());
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("ru")), QStringLiteral("Круг"));
}

TEST_F(CatalogueFiles, PictureNamesThatLeaveTheFolderMeanNoPicture)
{
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"circle.gif", "circle.gif"},
        {"circle half.gif", "circle half.gif"},
        {"../../etc/passwd", ""},
        {"..", ""},
        {".", ""},
        {"a..b.gif", ""},
        {"/etc/passwd", ""},
        {"sub/circle.gif", ""},
        {"sub\\circle.gif", ""},
        {"file:circle.gif", ""},
        {"http://example.org/c.gif", ""},
        {"C:circle.gif", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        QByteArray text = "<s><shape id=\"circle\"><image name=\"";
        text += c.name;
        text += "\"/></shape></s>";
        m_library.loadShapeNames(write("images.xml", text));
        EXPECT_EQ(shape("circle")->getImage(), QString::fromUtf8(c.expected)) << c.name;
        EXPECT_EQ(isPlainFileName(QString::fromUtf8(c.name)), *c.expected != '\0') << c.name;
    }
    EXPECT_FALSE(isPlainFileName(QStringLiteral("a\nb.gif")));
    EXPECT_TRUE(m_recorder.messages.isEmpty());
}

TEST_F(CatalogueFiles, UnreadableFilesGiveTheErrorOnly)
{
    const QString missing = path("missing.xml");
    const QString malformed = write("malformed.xml", "<shapes><shape id=\"circle\"><name lang=\"en\" title=\"x\"/>");
    const QString empty = write("empty.xml", "");
    const QString folder = m_dir.path();
    const QString fifo = path("fifo.xml");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray huge("<s>");
    huge += QByteArray(1024 * 1024, ' ');
    huge += "<shape id=\"circle\"><name lang=\"en\" title=\"Huge\"/></shape></s>";
    const QString large = write("large.xml", huge);

    QElapsedTimer timer;
    timer.start();
    for (const QString& file : {missing, malformed, empty, folder, fifo, large}) {
        m_recorder.messages.clear();
        m_library.loadShapeNames(file);
        EXPECT_EQ(m_recorder.messages, QStringList({shapeError(file)})) << file.toStdString();
        m_recorder.messages.clear();
        m_library.loadCategories(file);
        EXPECT_EQ(m_recorder.messages, QStringList({categoryError(file)})) << file.toStdString();
    }
    std::printf("six unreadable catalogues refused in %lld ms\n", static_cast<long long>(timer.elapsed()));
    EXPECT_LT(timer.elapsed(), HangGuard::StepMs);
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("en")), QStringLiteral("circle"));
    EXPECT_EQ(m_library.categoryTitles()->count(), 0);
}


TEST_F(CatalogueFiles, FilesFarAboveTheShippedSizeAreRefusedAtOnce)
{
    const QByteArray attributes = manyAttributes("circle");
    ASSERT_GT(attributes.size(), 500 * 1024);
    // Just under the cap is read; the shipped catalogues are a sixteenth of it.
    QByteArray padded = "<s><shape id=\"circle\"><name lang=\"en\" title=\"Padded\"/></shape>";
    padded += QByteArray(64 * 1024 - padded.size() - 4, ' ') + "</s>";
    ASSERT_EQ(padded.size(), 64 * 1024);
    const struct {
        const char* name;
        QByteArray text;
        bool refused;
    } cases[] = {
        {"attributes.xml", attributes, true},
        {"padded.xml", padded, false},
        {"overpadded.xml", padded + ' ', true},
    };
    for (const auto& c : cases) {
        const QString file = write(c.name, c.text);
        m_recorder.messages.clear();
        QElapsedTimer timer;
        timer.start();
        m_library.loadShapeNames(file);
        std::printf("%s: read or refused in %lld ms\n", c.name, static_cast<long long>(timer.elapsed()));
        EXPECT_LT(timer.elapsed(), HangGuard::StepMs) << c.name;
        EXPECT_EQ(m_recorder.messages, c.refused ? QStringList({shapeError(file)}) : QStringList()) << c.name;
        m_recorder.messages.clear();
        m_library.loadCategories(file);
        EXPECT_EQ(m_recorder.messages, c.refused ? QStringList({categoryError(file)}) : QStringList()) << c.name;
    }
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("en")), QStringLiteral("Padded"));
}

TEST_F(CatalogueFiles, HostileDocumentsAreRefusedQuietly)
{
    const QString secret = write("secret.txt", "top secret");
    QByteArray external = "<?xml version=\"1.0\"?>\n<!DOCTYPE s [<!ENTITY x SYSTEM \"file://";
    external += QFile::encodeName(secret);
    external += "\">]>\n<s><shape id=\"circle\"><name lang=\"en\" title=\"&x;\"/></shape></s>";
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE s [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">";
    char previous = 'a';
    for (char name = 'b'; name <= 'k'; ++name) {
        laughs += QByteArray("<!ENTITY ") + name + " \"" + QByteArray(10, '&').replace("&", QByteArray("&") + previous + ";") + "\">";
        previous = name;
    }
    laughs += "]>\n<s><shape id=\"circle\"><name lang=\"en\" title=\"&k;\"/></shape></s>";
    const QString externalFile = write("external.xml", external);
    const QString laughsFile = write("laughs.xml", laughs);
    const QString doctypeOnly = write("doctype.xml", "<!DOCTYPE s SYSTEM \"http://example.org/s.dtd\"><s/>");

    // Nothing may reach the terminal: watch standard error while loading.
    std::fflush(stderr);
    const int savedError = ::dup(2);
    const QString errorLog = path("stderr.log");
    std::FILE* log = std::fopen(QFile::encodeName(errorLog).constData(), "w");
    ASSERT_TRUE(log);
    ::dup2(::fileno(log), 2);

    QElapsedTimer timer;
    timer.start();
    m_library.loadShapeNames(externalFile);
    m_library.loadShapeNames(laughsFile);
    m_library.loadShapeNames(doctypeOnly);
    m_library.loadCategories(laughsFile);
    m_library.loadShapeNames(write("broken.xml", "<s><shape id=\"circle\"></s>"));
    const qint64 elapsed = timer.elapsed();

    std::fflush(stderr);
    ::dup2(savedError, 2);
    ::close(savedError);
    std::fclose(log);

    std::printf("hostile catalogues refused in %lld ms\n", static_cast<long long>(elapsed));
    EXPECT_LT(elapsed, HangGuard::StepMs);
    EXPECT_EQ(m_recorder.messages,
              QStringList({shapeError(externalFile), shapeError(laughsFile), shapeError(doctypeOnly),
                           categoryError(laughsFile), shapeError(path("broken.xml"))}));
    EXPECT_EQ(shape("circle")->getTitle(QStringLiteral("en")), QStringLiteral("circle"));
    QFile printed(errorLog);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(printed.readAll(), QByteArray());
}

TEST_F(CatalogueFiles, CategoryTitlesFormTheTree)
{
    const QString file = write("categories.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<categories>
  <group id="flat">
    <category id="triangular"><name lang="en" title="Triangles"/><name lang="ru" title="Треугольники"/></category>
    <category id="circular"><name lang="en" title="Circles"/><title lang="en" title="passed over"/></category>
    <section id="x"/>
  </group>
  <other id="solid"/>
  <group id="solid">
    <category id="spherical"><name lang="en" title="Spheres"/></category>
    <category id="unused"/>
    <category><name lang="en" title="no id"/></category>
  </group>
  <group id="FLAT">
    <category id="polygonal"><name lang="en" title="Polygons"/></category>
    <category id="Triangular"><name lang="en" title="Triangle shapes"/><name title="no language"/></category>
  </group>
</categories>)");
    m_library.loadCategories(file);
    EXPECT_EQ(m_recorder.messages, QStringList({Origin + QStringLiteral("WARRNING: Unknown tag <section>")}));

    const IMultiArray tree = m_library.categoryTitles();
    ASSERT_EQ(tree->count(), 2);
    EXPECT_EQ(tree->keyAt(0).text(), QStringLiteral("flat"));
    EXPECT_EQ(tree->keyAt(1).text(), QStringLiteral("solid"));

    const IMultiArray flat = tree->child(QStringLiteral("flat"));
    QStringList order;
    QStringList english;
    for (flat->first(); !flat->eof(); flat->next()) {
        order << flat->currentKey().text();
        english << flat->currentChild()->child(QStringLiteral("en"))->nodeText();
    }
    EXPECT_EQ(order, QStringList({QStringLiteral("triangular"), QStringLiteral("circular"), QStringLiteral("polygonal")}));
    EXPECT_EQ(english, QStringList({QStringLiteral("Triangle shapes"), QStringLiteral("Circles"), QStringLiteral("Polygons")}));
    EXPECT_EQ(flat->child(QStringLiteral("triangular"))->child(QStringLiteral("ru"))->nodeText(),
              QStringLiteral("Треугольники"));

    const IMultiArray solid = tree->child(QStringLiteral("solid"));
    ASSERT_EQ(solid->count(), 2);
    EXPECT_EQ(solid->keyAt(1).text(), QStringLiteral("unused"));
    EXPECT_EQ(solid->child(QStringLiteral("unused"))->count(), 0);
}

} // namespace
