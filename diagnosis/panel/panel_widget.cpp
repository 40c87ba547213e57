#include "diagnosis/panel/panel_widget.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace panel {

namespace {

// The window area the layouts are drawn for: the front picture's width, and below it room for
// the three value lines that layouts put at the lower left (tops up to 5430).
constexpr int kDesignWidthTwips = 7800;
constexpr int kDesignHeightTwips = 6000;
constexpr int kTwipsPerInch = 1440;

// What an empty Image2 picture means: the small round lamps of the design, and for the three
// places the LCD series uses, its unlit lamp.
const QString kRedLamp = QStringLiteral("picture/ALM-RED.BMP");
const QString kGreenLamp = QStringLiteral("picture/ALM-GREEN.BMP");
const QString kLcdLampUnlit = QStringLiteral("picture/LCD-ALM1.BMP");
const QString kLcdLampLit = QStringLiteral("picture/LCD-ALM2.BMP");
constexpr int kFirstLcdLamp = 5;

QString lampPicture(int index, const QString& picture) {
    if (!picture.isEmpty()) return picture;
    if (index >= kFirstLcdLamp) return kLcdLampUnlit;
    return index % 2 == 0 ? kRedLamp : kGreenLamp;
}

// Stand-ins drawn when a picture file cannot be read. Sizes are those of the drawn pictures.
constexpr QSize kFrontSize{520, 264};
constexpr QSize kLampSize{14, 16};

QPixmap frontStandIn(const QString& picture) {
    QPixmap pixmap(kFrontSize);
    pixmap.fill(QColor(0xA0, 0xA0, 0xA0));
    QPainter p(&pixmap);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    if (!picture.isEmpty()) p.drawText(pixmap.rect(), Qt::AlignCenter, QFileInfo(picture).fileName());
    return pixmap;
}

QColor lampStandInColour(const QString& picture) {
    if (picture == kRedLamp || picture == kLcdLampLit) return QColor(0xE0, 0x20, 0x20);
    if (picture == kGreenLamp) return QColor(0x20, 0xC0, 0x30);
    return QColor(0x90, 0x90, 0x90);
}

QPixmap lampStandIn(const QString& picture) {
    QPixmap pixmap(kLampSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setBrush(lampStandInColour(picture));
    p.drawEllipse(QRectF(1.5, 2.5, kLampSize.width() - 3, kLampSize.height() - 4));
    return pixmap;
}

Qt::Alignment toQt(Align align) {
    switch (align) {
    case Align::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QLabel* makeControl(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Captions come from replies; never let one be taken for rich text.
    label->setTextFormat(Qt::PlainText);
    label->hide();
    return label;
}

// The size QLabel::adjustSize() gives a plain-text label without margin, indent, frame or word
// wrap, measured with one text layout; adjustSize() runs several for it.
QSize captionSize(QLabel& label) {
    label.ensurePolished();
    // As the label measures: centring is left out, it only moves the text within the result.
    const int flags = int(label.alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter));
    return label.fontMetrics().boundingRect(0, 0, 2000, 2000, flags, label.text()).size();
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

QPixmap PictureCache::picture(const QString& relativePath, const Fallback& fallback) {
    const auto found = m_pictures.constFind(relativePath);
    if (found != m_pictures.constEnd()) return *found;
    QPixmap pixmap;
    if (!relativePath.isEmpty()) {
        ++m_diskReads;
        QImageReader reader(m_programDir + QLatin1Char('/') + relativePath);
        pixmap = QPixmap::fromImage(reader.read());
    }
    if (pixmap.isNull()) pixmap = fallback();
    m_pictures.insert(relativePath, pixmap);
    return pixmap;
}

PanelWidget::PanelWidget(const QString& programDir, QWidget* parent)
    : QWidget(parent), m_pictures(programDir) {
    // Created bottom to top: the picture, then the captions and lamps over it.
    m_image1 = makeControl(this, QStringLiteral("Image1"));
    for (int i = 0; i < int(m_label3.size()); ++i)
        m_label3[i] = makeControl(this, indexed("Label3", i));
    for (int i = 0; i < int(m_label1.size()); ++i)
        m_label1[i] = makeControl(this, indexed("Label1", i));
    for (int i = 0; i < int(m_image2.size()); ++i)
        m_image2[i] = makeControl(this, indexed("Image2", i));
    resize(preferredSize());
}

int PanelWidget::toPixels(int twips) const {
    return qRound(twips * m_scale * logicalDpiX() / kTwipsPerInch);
}

QSize PanelWidget::preferredSize() const {
    const auto px = [this](int twips) { return qRound(double(twips) * logicalDpiX() / kTwipsPerInch); };
    return {px(kDesignWidthTwips), px(kDesignHeightTwips)};
}

QPixmap PanelWidget::scaledPicture(const QString& relativePath, const PictureCache::Fallback& fallback) {
    const QPixmap picture = m_pictures.picture(relativePath, fallback);
    if (m_scale == 1.0) return picture;
    const auto found = m_scaledPictures.constFind(relativePath);
    if (found != m_scaledPictures.constEnd()) return *found;
    const QPixmap scaled =
        picture.scaled(picture.size() * m_scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_scaledPictures.insert(relativePath, scaled);
    return scaled;
}

void PanelWidget::render(const PanelModel& model) {
    // Each control is touched only when its part of the model changed since the last render.
    const PanelModel* was = m_shown ? &*m_shown : nullptr;
    int updates = 0;
    // The control's state in the last render, or null when there was none; also counts the
    // controls that changed.
    const auto changed = [&updates](const auto* before, const auto& now) {
        const bool update = !before || !(*before == now);
        updates += update ? 1 : 0;
        return update;
    };

    if (changed(was ? &was->image1 : nullptr, model.image1))
        showFront(was ? &was->image1 : nullptr, model.image1);
    for (int i = 0; i < int(m_label3.size()); ++i) {
        const Label* before = was ? &was->label3[i] : nullptr;
        if (changed(before, model.label3[i]))
            showLabel(m_label3[i], m_label3Sizes[i], before, model.label3[i]);
    }
    for (int i = 0; i < int(m_label1.size()); ++i) {
        const Label* before = was ? &was->label1[i] : nullptr;
        if (changed(before, model.label1[i]))
            showLabel(m_label1[i], m_label1Sizes[i], before, model.label1[i]);
    }
    for (int i = 0; i < int(m_image2.size()); ++i) {
        const Image* before = was ? &was->image2[i] : nullptr;
        if (changed(before, model.image2[i])) showLamp(i, before, model.image2[i]);
    }

    m_shown = model;
    m_lastUpdates = updates;
}

void PanelWidget::setCaptionTranslator(i18n::CaptionTranslator captions) {
    m_captions = std::move(captions);
    // Show what is on the panel again in the new words, measured anew.
    for (RecentSizes& sizes : m_label1Sizes)
        sizes.clear();
    for (RecentSizes& sizes : m_label3Sizes)
        sizes.clear();
    if (m_shown) {
        const PanelModel model = *m_shown;
        m_shown.reset();
        render(model);
    }
}

void PanelWidget::showLabel(QLabel* widget, RecentSizes& sizes, const Label* was, const Label& label) {
    const bool fontChanged = !was || was->fontPoints != label.fontPoints;
    const bool alignChanged = !was || was->align != label.align;
    const bool captionChanged = !was || was->caption != label.caption;
    if (fontChanged) {
        QFont font = widget->font();
        font.setPointSizeF(label.fontPoints * m_scale);
        widget->setFont(font);
    }
    if (!was || was->color != label.color) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor(QRgb(label.color)));
        widget->setPalette(palette);
    }
    if (alignChanged) widget->setAlignment(toQt(label.align));
    if (captionChanged) widget->setText(m_captions.translate(label.caption));
    if (fontChanged || alignChanged) sizes.clear();
    if (fontChanged || alignChanged || captionChanged) {
        std::optional<QSize> size = sizes.find(label.caption);
        if (!size) {
            size = captionSize(*widget);
            sizes.remember(label.caption, *size);
        }
        widget->resize(*size);
    }
    if (!was || was->left != label.left || was->top != label.top)
        widget->move(toPixels(label.left, label.top));
    if (!was || was->visible != label.visible) widget->setVisible(label.visible);
}

void PanelWidget::showFront(const Image* was, const Image& image) {
    if (!was || was->picture != image.picture) {
        m_image1->setPixmap(scaledPicture(image.picture, [&image] { return frontStandIn(image.picture); }));
        m_image1->adjustSize();
    }
    if (!was || was->left != image.left || was->top != image.top)
        m_image1->move(toPixels(image.left, image.top));
    if (!was || was->visible != image.visible) m_image1->setVisible(image.visible);
}

void PanelWidget::showLamp(int index, const Image* was, const Image& image) {
    QLabel* lamp = m_image2[index];
    if (!was || was->picture != image.picture) {
        const QString path = lampPicture(index, image.picture);
        lamp->setPixmap(scaledPicture(path, [&path] { return lampStandIn(path); }));
        lamp->adjustSize();
    }
    if (!was || was->left != image.left || was->top != image.top) lamp->move(toPixels(image.left, image.top));
    if (!was || was->visible != image.visible) lamp->setVisible(image.visible);
}

void PanelWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize design = preferredSize();
    const double scale = std::min(double(event->size().width()) / design.width(),
                                  double(event->size().height()) / design.height());
    if (scale <= 0 || std::abs(scale - m_scale) < 1e-3) return;
    m_scale = scale;
    m_scaledPictures.clear();
    // Everything moves and resizes: show the last model again from scratch.
    if (m_shown) {
        const PanelModel model = *m_shown;
        m_shown.reset();
        render(model);
    }
}

} // namespace panel
