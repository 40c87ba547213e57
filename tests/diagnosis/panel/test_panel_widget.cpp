// The panel widget shows exactly what the model holds, for every instrument family, with the
// pictures read once and drawn stand-ins when they cannot be read.
#include "diagnosis/panel/panel_widget.h"
#include "reply_frame.h"
#include "views/instrument_types.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using panel::PanelModel;
using panel::PanelWidget;

namespace {

// The picture a lamp shows when its model picture is empty.
QString lampPicture(int index, const QString& picture) {
    if (!picture.isEmpty()) return picture;
    if (index >= 5) return QStringLiteral("picture/LCD-ALM1.BMP");
    return index % 2 == 0 ? QStringLiteral("picture/ALM-RED.BMP") : QStringLiteral("picture/ALM-GREEN.BMP");
}

const QStringList kFrontPictures = {"C80", "D80", "P80", "L80", "AC80", "DL80", "LCD80"};
const QStringList kLampPictures = {"LCD-ALM1", "LCD-ALM2", "ALM-RED", "ALM-GREEN"};

// A program directory with small pictures of distinct colours and sizes, so that a test can tell
// which one a control shows.
class PictureDir {
public:
    PictureDir() {
        QDir(m_dir.path()).mkpath(QStringLiteral("picture"));
        int n = 0;
        for (const QString& name : kFrontPictures + kLampPictures) {
            QImage image(QSize(30 + n, 16 + n % 3), QImage::Format_RGB32);
            image.fill(QColor::fromHsv((n * 29) % 360, 200, 220));
            image.save(path(name), "BMP");
            ++n;
        }
    }
    QString root() const { return m_dir.path(); }
    QString path(const QString& name) const {
        return m_dir.filePath(QStringLiteral("picture/%1.BMP").arg(name));
    }
    QImage image(const QString& relative) const { return QImage(m_dir.filePath(relative)); }

private:
    QTemporaryDir m_dir;
};

QLabel* control(const PanelWidget& w, const QString& name) {
    auto* label = w.findChild<QLabel*>(name);
    if (!label) qFatal("no control %s", qPrintable(name));
    return label;
}

QString named(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

int px(const QWidget& w, int twips) {
    return qRound(twips * w.logicalDpiX() / 1440.0);
}

bool samePicture(const QPixmap& shown, const QImage& file) {
    return !file.isNull() && shown.toImage().convertToFormat(QImage::Format_RGB32) ==
                                 file.convertToFormat(QImage::Format_RGB32);
}

// Compares one label with its model; returns the first difference, or empty text.
QString labelDiff(const PanelWidget& w, const QString& name, const panel::Label& m) {
    const QLabel* l = control(w, name);
    if (l->text() != m.caption) return name + ": caption " + l->text();
    if (l->isHidden() == m.visible) return name + ": visibility";
    if (l->font().pointSize() != m.fontPoints)
        return name + ": font " + QString::number(l->font().pointSize());
    if (l->palette().color(QPalette::WindowText) != QColor(QRgb(m.color))) return name + ": colour";
    if (l->pos() != QPoint(px(w, m.left), px(w, m.top))) return name + ": position";
    if (l->size() != l->sizeHint()) return name + ": not sized to its text";
    return {};
}

QString imageDiff(const PanelWidget& w, const QString& name, const panel::Image& m, const QImage& expected) {
    const QLabel* l = control(w, name);
    if (l->isHidden() == m.visible) return name + ": visibility";
    if (l->pos() != QPoint(px(w, m.left), px(w, m.top))) return name + ": position";
    if (!samePicture(l->pixmap(), expected)) return name + ": picture";
    return {};
}

// Every control of the widget against the model.
QString panelDiff(const PanelWidget& w, const PanelModel& m, const PictureDir& pictures) {
    QStringList diffs;
    for (int i = 0; i < 9; ++i)
        diffs << labelDiff(w, named("Label1", i), m.label1[i]);
    for (int i = 0; i < 3; ++i)
        diffs << labelDiff(w, named("Label3", i), m.label3[i]);
    diffs << imageDiff(w, QStringLiteral("Image1"), m.image1, pictures.image(m.image1.picture));
    for (int i = 0; i < 8; ++i)
        diffs << imageDiff(w, named("Image2", i), m.image2[i],
                           pictures.image(lampPicture(i, m.image2[i].picture)));
    diffs.removeAll(QString());
    return diffs.join(QStringLiteral("; "));
}

PanelModel laidOut(const QString& modelName) {
    PanelModel m = PanelModel::design();
    m.label3[0].caption = QStringLiteral("通讯口： COM1");
    m.label3[1].caption = QStringLiteral("波特率： 9600");
    m.label3[2].caption = QStringLiteral("仪表类型：") + modelName;
    if (!views::layoutForModel(modelName, m)) qFatal("no layout for %s", qPrintable(modelName));
    return m;
}

// The model after `calls` receive ticks holding `frame`.
PanelModel afterReplies(const QString& modelName, const QByteArray& frame, int calls) {
    PanelModel m = laidOut(modelName);
    qint16 tn = 0;
    const views::ViewRoutine view = views::viewForCode(protocol::replyTypeCode(frame));
    if (!view) qFatal("no view for %s", frame.constData());
    protocol::Readings readings;
    for (int i = 0; i < calls; ++i)
        view(frame, m, tn, readings);
    return m;
}

QRgb centre(const QPixmap& p) {
    return p.toImage().pixel(p.width() / 2, p.height() / 2);
}

} // namespace

class TestPanelWidget : public QObject {
    Q_OBJECT

private slots:
    void showsFamily_data();
    void showsFamily();
    void missingPicturesDrawStandIns_data();
    void missingPicturesDrawStandIns();
    void unreadablePictureDrawsStandIn();
    void picturesAreReadOnce();
    void unchangedControlsAreSkipped_data();
    void unchangedControlsAreSkipped();
    void captionsShownAgainKeepTheirSize_data();
    void captionsShownAgainKeepTheirSize();
    void scalesWithTheWindow();
    void builtPicturesLoad_data();
    void builtPicturesLoad();
};

void TestPanelWidget::showsFamily_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("calls");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");

    QTest::newRow("C80 single display")
        << "LED系列——四位双报警单显表" << replyLine("02", "D2040100010203") << 1 << "Label1(0)"
        << "123.4";
    QTest::newRow("D80 PID controller")
        << "LED系列——PID显示控制仪"
        << replyLine("0E", "0100D20401640001E80300" + floatFields({200}) + "01000200") << 1 << "Label1(1)"
        << "10.0";
    QTest::newRow("P80 program controller")
        << "LED系列——32段PID控制仪" << replyLine("10", "000AD20401640001E80300" + floatFields({120}) + "0102")
        << 1 << "Label1(4)"
        << "10";
    QTest::newRow("L80 flow totalizer")
        << "LED系列——流量积算仪" << replyLine("12", floatFields({20, 1.5f, 12.5f, 0, 0, 0}) + "0100") << 1
        << "Label1(0)"
        << "12.5";
    const QByteArray power = floatFields({220, 5, 0.98f, 221, 5, 0.97f, 219, 5, 0.99f, 50.01f, 3300, 120});
    QTest::newRow("AC80 power meter") << "LED系列——三相电量表" << replyLine("1E", power) << 1 << "Label1(1)"
                                      << "120.0";
    QTest::newRow("DL80 power module")
        << "MODEL系列——三相电量模块" << replyLine("1F", power) << 1 << "Label1(5)"
        << "有功功率P";
    QTest::newRow("LCD80 PID controller, manual output page")
        << "LCD系列——PID控制仪"
        << replyLine("8A", "010200" + floatFields({150, 149.2f, 150, 45.5f}) + "000100") << 20 << "Label1(1)"
        << "手动输出   45.5%";
}

void TestPanelWidget::showsFamily() {
    QFETCH(QString, model);
    QFETCH(QByteArray, frame);
    QFETCH(int, calls);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    const PictureDir pictures;
    PanelWidget w(pictures.root());
    const PanelModel m = afterReplies(model, frame, calls);
    w.render(m);

    QCOMPARE(panelDiff(w, m, pictures), QString());
    // The reply reached the model, so the comparison above was about a decoded panel.
    QCOMPARE(::control(w, control)->text(), caption);
    QVERIFY(!::control(w, control)->isHidden());
}

void TestPanelWidget::missingPicturesDrawStandIns_data() {
    QTest::addColumn<int>("lamp");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("colour"); // "red", "green" or "grey"

    QTest::newRow("design lamp at an even place is red") << 0 << ""
                                                         << "red";
    QTest::newRow("design lamp at an odd place is green") << 3 << ""
                                                          << "green";
    QTest::newRow("empty LCD lamp is unlit") << 6 << ""
                                             << "grey";
    QTest::newRow("lit LCD lamp is red") << 7 << "picture/LCD-ALM2.BMP"
                                         << "red";
}

void TestPanelWidget::missingPicturesDrawStandIns() {
    QFETCH(int, lamp);
    QFETCH(QString, picture);
    QFETCH(QString, colour);
    PanelWidget w(QStringLiteral("/nonexistent/commtest"));
    PanelModel m = laidOut(QStringLiteral("LCD系列——PID控制仪"));
    m.image2[lamp].picture = picture;
    m.image2[lamp].visible = true;
    w.render(m);

    const QPixmap front = control(w, QStringLiteral("Image1"))->pixmap();
    QVERIFY(!front.isNull());
    QCOMPARE(front.size(), QSize(520, 264));
    const QLabel* shown = control(w, named("Image2", lamp));
    QVERIFY(!shown->isHidden());
    const QColor c = QColor(centre(shown->pixmap()));
    if (colour == "red") QVERIFY2(c.red() > 150 && c.green() < 100, qPrintable(c.name()));
    if (colour == "green") QVERIFY2(c.green() > 150 && c.red() < 100, qPrintable(c.name()));
    if (colour == "grey")
        QVERIFY2(qAbs(c.red() - c.green()) < 20 && qAbs(c.green() - c.blue()) < 20, qPrintable(c.name()));
}

void TestPanelWidget::unreadablePictureDrawsStandIn() {
    PictureDir pictures;
    QFile broken(pictures.path(QStringLiteral("C80")));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("BM not really a bitmap");
    broken.close();
    PanelWidget w(pictures.root());
    w.render(laidOut(QStringLiteral("LED系列——频率表")));
    QCOMPARE(control(w, QStringLiteral("Image1"))->pixmap().size(), QSize(520, 264));
}

void TestPanelWidget::picturesAreReadOnce() {
    auto pictures = std::make_unique<PictureDir>();
    const QString root = pictures->root();
    const QImage lit = pictures->image(QStringLiteral("picture/LCD-ALM2.BMP"));
    const QImage unlit = pictures->image(QStringLiteral("picture/LCD-ALM1.BMP"));
    const QImage front = pictures->image(QStringLiteral("picture/LCD80.BMP"));
    PanelWidget w(root);
    const QString model = QStringLiteral("LCD系列——3路无纸记录仪表");
    const QByteArray alarmed = replyLine("8E", floatFields({1, 2, 3}) + "010002");
    const QByteArray quiet = replyLine("8E", floatFields({4, 5, 6}) + "000000");

    w.render(afterReplies(model, alarmed, 1));
    // Each distinct picture once: the front, both round lamps (hidden here) and both LCD lamps.
    QCOMPARE(w.pictureReads(), 5);
    QDir(root).removeRecursively();

    for (int i = 0; i < 100; ++i)
        w.render(afterReplies(model, i % 2 ? quiet : alarmed, 1));
    QCOMPARE(w.pictureReads(), 5);
    // The files are gone, yet the pictures are the ones read at first, not stand-ins.
    QVERIFY(samePicture(control(w, QStringLiteral("Image1"))->pixmap(), front));
    QVERIFY(samePicture(control(w, QStringLiteral("Image2(5)"))->pixmap(), unlit));
    QVERIFY(samePicture(control(w, QStringLiteral("Image2(6)"))->pixmap(), unlit));
    QVERIFY(samePicture(control(w, QStringLiteral("Image2(7)"))->pixmap(), unlit));
    w.render(afterReplies(model, alarmed, 1));
    QVERIFY(samePicture(control(w, QStringLiteral("Image2(5)"))->pixmap(), lit));
}

void TestPanelWidget::unchangedControlsAreSkipped_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("updates");

    QTest::newRow("same model") << 0 << 0;
    QTest::newRow("one caption") << 1 << 1;
    QTest::newRow("one lamp shown") << 2 << 1;
    QTest::newRow("front picture moved") << 3 << 1;
    QTest::newRow("three labels recoloured") << 4 << 3;
    // Captions and fonts that change the size the label needs.
    QTest::newRow("caption grows to a scanner line") << 5 << 1;
    QTest::newRow("larger font, Chinese caption") << 7 << 1;
    QTest::newRow("centred, then right-aligned") << 8 << 2;
}

void TestPanelWidget::unchangedControlsAreSkipped() {
    QFETCH(int, change);
    QFETCH(int, updates);
    const PictureDir pictures;
    PanelWidget w(pictures.root());
    PanelModel m = laidOut(QStringLiteral("LED系列——双路显示控制仪"));
    w.render(m);
    QCOMPARE(w.lastRenderUpdates(), 9 + 3 + 1 + 8);

    switch (change) {
    case 1: m.label1[1].caption = QStringLiteral("56.7"); break;
    case 2: m.image2[3].visible = true; break;
    case 3: m.image1.left += 15; break;
    case 4:
        for (int i : {0, 1, 5})
            m.label1[i].color = panel::kBlack;
        break;
    case 5: m.label1[0].caption = QStringLiteral("CH01  0013  CH02  -007"); break;
    case 6: m.label1[1].caption.clear(); break;
    case 7:
        m.label1[2].fontPoints = 36;
        m.label1[2].caption = QStringLiteral("手动输出   45.5%");
        break;
    case 8:
        m.label1[3].align = panel::Align::Center;
        m.label1[4].align = panel::Align::Right;
        m.label1[4].caption = QStringLiteral("-0.5");
        break;
    default: break;
    }
    w.render(m);
    QCOMPARE(w.lastRenderUpdates(), updates);
    QCOMPARE(panelDiff(w, m, pictures), QString());
}

void TestPanelWidget::captionsShownAgainKeepTheirSize_data() {
    QTest::addColumn<QStringList>("steps"); // a caption, or "font N", for Label1(0)

    QTest::newRow("three pages in turn")
        << QStringList{"瞬时流量1 12.5", "累积流量1 3456", "", "瞬时流量1 12.5", "累积流量1 3456", ""};
    QTest::newRow("more captions than are kept")
        << QStringList{"1", "22", "333", "4444", "55555", "1", "22", "333", "4444", "55555"};
    QTest::newRow("same caption after a font change")
        << QStringList{"123.4", "0.0", "font 36", "123.4", "0.0"};
}

// Paging views show a few captions in turn; each must get the size it needs every time.
void TestPanelWidget::captionsShownAgainKeepTheirSize() {
    QFETCH(QStringList, steps);
    const PictureDir pictures;
    PanelWidget w(pictures.root());
    PanelModel m = laidOut(QStringLiteral("LCD系列——3路流量/热能积算记录仪"));
    w.render(m);
    for (const QString& step : steps) {
        if (step.startsWith(QLatin1String("font ")))
            m.label1[0].fontPoints = step.mid(5).toInt();
        else
            m.label1[0].caption = step;
        w.render(m);
        QCOMPARE(panelDiff(w, m, pictures), QString());
    }
}

void TestPanelWidget::scalesWithTheWindow() {
    const PictureDir pictures;
    PanelWidget w(pictures.root());
    const PanelModel m = laidOut(QStringLiteral("LED系列——四位四报警单显表"));
    w.render(m);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize frontAtOne = control(w, QStringLiteral("Image1"))->pixmap().size();

    w.resize(w.preferredSize() * 2);
    QCOMPARE(w.contentScale(), 2.0);
    const QLabel* value = control(w, QStringLiteral("Label1(0)"));
    const auto scaled = [&w](int twips) { return qRound(twips * 2.0 * w.logicalDpiX() / 1440); };
    QCOMPARE(value->pos(), QPoint(scaled(m.label1[0].left), scaled(m.label1[0].top)));
    QCOMPARE(value->font().pointSizeF(), 72.0);
    QCOMPARE(control(w, QStringLiteral("Image1"))->pixmap().size(), frontAtOne * 2);
    // A lamp lit at this scale, and every picture again at the next one.
    PanelModel lit = m;
    lit.image2[5].picture = QStringLiteral("picture/LCD-ALM2.BMP");
    w.render(lit);
    const QSize lampAtOne = pictures.image(lit.image2[5].picture).size();
    QCOMPARE(control(w, QStringLiteral("Image2(5)"))->pixmap().size(), lampAtOne * 2);
    w.resize(w.preferredSize() * 3);
    QCOMPARE(control(w, QStringLiteral("Image1"))->pixmap().size(), frontAtOne * 3);
    QCOMPARE(control(w, QStringLiteral("Image2(5)"))->pixmap().size(), lampAtOne * 3);
    w.render(m);

    // The smaller ratio wins, so the panel keeps its proportions.
    w.resize(w.preferredSize().width() * 3, w.preferredSize().height());
    QCOMPARE(w.contentScale(), 1.0);
    QCOMPARE(panelDiff(w, m, pictures), QString());
}

void TestPanelWidget::builtPicturesLoad_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const QString& name : kFrontPictures)
        QTest::newRow(qPrintable(name)) << name << QSize(520, 264);
    QTest::newRow("LCD-ALM1") << "LCD-ALM1" << QSize(24, 20);
    QTest::newRow("LCD-ALM2") << "LCD-ALM2" << QSize(24, 20);
    QTest::newRow("ALM-RED") << "ALM-RED" << QSize(14, 16);
    QTest::newRow("ALM-GREEN") << "ALM-GREEN" << QSize(14, 16);
}

void TestPanelWidget::builtPicturesLoad() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString bin = qEnvironmentVariable("COMMTEST_BIN_DIR");
    if (bin.isEmpty()) QSKIP("COMMTEST_BIN_DIR is not set");
    QCOMPARE(QImage(QDir(bin).filePath(QStringLiteral("picture/%1.BMP").arg(name))).size(), size);
}

QTEST_MAIN(TestPanelWidget)
#include "test_panel_widget.moc"
