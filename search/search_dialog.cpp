#include "search/search_dialog.h"

#include "config/app_settings.h"
#include "engine/traffic_hub.h"

#include "link/message_sink.h"
#include "link/serial_link.h"
#include "link/window_placement.h"
#include "search/address_parse.h"
#include "search/port_messages.h"
#include "search/scan.h"
#include "search/search_dialog_texts.h"
#include "search/searching_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
// Top-left corner relative to the centre of the main window's client area.
constexpr int kLeftOfCentreTwips = 2500;
constexpr int kAboveCentreTwips = 1500;

// The range caption keeps its text, "搜索地址从       到", but draws its seven blanks as wide as
// the address field that sits on them, so that "到" stays visible after the field.
class RangeCaption : public QLabel {
public:
    RangeCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {}
    void setGapWidth(int width) {
        m_gap = width;
        updateGeometry();
    }
    int gapLeft() const { return fontMetrics().horizontalAdvance(searchtext::kRangeBefore); }
    QSize sizeHint() const override {
        const QFontMetrics fm = fontMetrics();
        return {gapLeft() + m_gap + fm.horizontalAdvance(searchtext::kRangeAfter), fm.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, searchtext::kRangeBefore);
        p.drawText(r.adjusted(gapLeft() + m_gap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   searchtext::kRangeAfter);
    }

private:
    int m_gap = 0;
};

// "搜索地址从[Text1]到[Text2]": the first field covers the caption's blanks.
QWidget* rangeRow(RangeCaption* caption, QLineEdit* first, QLineEdit* last, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* holder = new QWidget(row);
    caption->setParent(holder);
    first->setParent(holder);
    const int fieldWidth = QFontMetrics(first->font()).horizontalAdvance(QStringLiteral("-32768")) + 10;
    caption->setGapWidth(fieldWidth + 8);
    caption->adjustSize();
    const int height = std::max(caption->sizeHint().height(), first->sizeHint().height());
    caption->setGeometry(0, 0, caption->sizeHint().width(), height);
    first->setGeometry(caption->gapLeft() + 4, 0, fieldWidth, height);
    holder->setFixedSize(caption->width(), height);
    first->raise();
    layout->addWidget(holder);
    layout->addSpacing(4);
    layout->addWidget(last);
    layout->addStretch();
    return row;
}

} // namespace

SearchDialog::SearchDialog(serial::SerialLink& link, InstrumentList& list, serial::MessageSink& messages,
                           QWidget* mainArea)
    : QDialog(mainArea), m_link(link), m_list(list), m_messages(messages), m_mainArea(mainArea) {
    using namespace searchtext;
    setObjectName(QStringLiteral("Search"));
    setWindowTitle(kTitle);
    setModal(true);
    m_runSearching = [this](Scan& scan) { runSearchingWindow(scan); };

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::Box);
    auto* instruction = new QVBoxLayout(frame1);
    m_label1[0] = new QLabel(kLabel1_0, frame1);
    m_label1[2] = new QLabel(kLabel1_2, frame1);
    m_label1[4] = new QLabel(kLabel1_4, frame1);
    m_label1[1] = new QLabel(kLabel1_1, frame1);
    for (int i : {0, 2, 4, 1})
        instruction->addWidget(m_label1[i]);

    m_label2[0] = new QLabel(kPortCaption, this);
    m_label3[0] = new QLabel(this);
    m_label2[1] = new QLabel(kRateCaption, this);
    m_label3[1] = new QLabel(this);
    m_label2[2] = new RangeCaption(kRangeBefore + kRangeGap + kRangeAfter, this);
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_fastScan = new QCheckBox(kFastScan, this);
    m_fastScan->setObjectName(QStringLiteral("FastScan"));
    m_command1 = new QPushButton(kOk, this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    m_command2 = new QPushButton(kCancel, this);
    m_command2->setObjectName(QStringLiteral("Command2"));

    auto* port = new QGridLayout;
    port->addWidget(m_label2[0], 0, 0);
    port->addWidget(m_label3[0], 0, 1);
    port->addWidget(m_label2[1], 0, 2);
    port->addWidget(m_label3[1], 0, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addLayout(port);
    layout->addWidget(rangeRow(static_cast<RangeCaption*>(m_label2[2]), m_text1, m_text2, this));
    layout->addWidget(m_fastScan);
    layout->addLayout(buttons);

    connect(m_command1, &QPushButton::clicked, this, &SearchDialog::onOk);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
    load();
}

void SearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every opening starts afresh; a window manager's re-show (un-minimise) changes nothing.
    if (event->spontaneous()) return;
    load();
    placeFromCentre(*this, m_mainArea, kLeftOfCentreTwips, kAboveCentreTwips);
}

void SearchDialog::load() {
    m_label3[0]->setText(searchtext::kPortPrefix + QString::number(m_link.portNumber()));
    m_label3[1]->setNum(m_link.baudRate());
    m_text1->setText(searchtext::kFirstDefault);
    m_text2->setText(searchtext::kLastDefault);
    m_fastScan->setChecked(m_settings && m_settings->values().fastScan);
}

bool SearchDialog::fastScanChosen() const {
    return m_fastScan->isChecked();
}

void SearchDialog::rememberFastScan() {
    if (!m_settings || m_settings->values().fastScan == m_fastScan->isChecked()) return;
    config::AppValues values = m_settings->values();
    values.fastScan = m_fastScan->isChecked();
    m_settings->setValues(values);
    // A failed save is said once; the scan runs all the same.
    m_settings->save(m_messages, this);
}

void SearchDialog::onOk() {
    const serial::PortError opened = m_link.open();
    if (opened != serial::NoError) {
        m_messages.show(this, portmsg::textFor(opened), portmsg::kTitle);
        return;
    }
    const AddressParse first = parseAddress(m_text1->text());
    const AddressParse last = parseAddress(m_text2->text());
    if (first.overflow || last.overflow) {
        // Close again, or the next OK would find its own port open and report it as occupied.
        m_link.close();
        m_messages.show(this, portmsg::textFor(serial::Overflow), portmsg::kTitle);
        return;
    }
    rememberFastScan();
    Scan scan(m_list, first.value, last.value);
    hide();
    m_runSearching(scan);
    done(QDialog::Accepted);
}

void SearchDialog::runSearchingWindow(Scan& scan) {
    SearchingWindow searching(scan, m_link, m_messages, m_mainArea, m_scanIntervals);
    if (fastScanChosen())
        searching.setFastScan(m_settings ? m_settings->values().replyTimeoutMs
                                         : config::kDefaultReplyTimeoutMs);
    if (m_hub) m_hub->attach(searching.engine());
    searching.exec();
}
