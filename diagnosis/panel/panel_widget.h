#pragma once
// The diagnosis window's controls as widgets. render() makes child labels show a PanelModel:
// captions, visibility, fonts, colours, alignment, places and pictures. Controls are QLabels named
// as the model names them ("Label1(0)", "Image2(5)", "Image1", "Label3(2)").
//
// Positions convert from twips with the screen's logical DPI. When the widget is resized away from
// preferredSize(), positions, fonts and pictures scale with it (by the smaller of the two ratios),
// so the panel keeps its look in a larger or smaller window.
#include "diagnosis/panel/panel_model.h"
#include "diagnosis/panel/recent_sizes.h"
#include "i18n/caption_translator.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QLabel;

namespace panel {

// Pictures by their path relative to the program directory, each read from disk once. A file that
// is missing or unreadable is replaced by a drawn stand-in, which is kept too: a broken
// installation costs one failed read per picture, not one per receive tick.
class PictureCache {
public:
    using Fallback = std::function<QPixmap()>;

    explicit PictureCache(QString programDir) : m_programDir(std::move(programDir)) {}

    // The picture at `relativePath`, or what `fallback` draws when it cannot be read. An empty
    // path reads nothing and gives the fallback.
    QPixmap picture(const QString& relativePath, const Fallback& fallback);

    // Files read so far, failed attempts included.
    int diskReads() const { return m_diskReads; }

private:
    QString m_programDir;
    QHash<QString, QPixmap> m_pictures;
    int m_diskReads = 0;
};

class PanelWidget : public QWidget {
    Q_OBJECT

public:
    // Pictures are looked up below `programDir` ("picture/C80.BMP").
    explicit PanelWidget(const QString& programDir, QWidget* parent = nullptr);

    // Shows `model`. Controls equal to what the last render showed are left alone.
    void render(const PanelModel& model);

    // Captions are shown through `captions` (the model keeps them as the views wrote them).
    void setCaptionTranslator(i18n::CaptionTranslator captions);

    // The window area the panel is designed for, in pixels at scale 1.
    QSize preferredSize() const;
    QSize sizeHint() const override { return preferredSize(); }

    // Factor by which the content is drawn: 1 at preferredSize().
    double contentScale() const { return m_scale; }

    // Picture files read from disk so far.
    int pictureReads() const { return m_pictures.diskReads(); }

    // Controls that the last render changed.
    int lastRenderUpdates() const { return m_lastUpdates; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int toPixels(int twips) const;
    QPoint toPixels(int leftTwips, int topTwips) const { return {toPixels(leftTwips), toPixels(topTwips)}; }
    // The picture at the content scale, scaled once per picture and scale.
    QPixmap scaledPicture(const QString& relativePath, const PictureCache::Fallback& fallback);

    // Each hands its control only what differs from `was`, everything when `was` is null: a
    // caption, font or alignment set again would lay the text out again for nothing.
    void showLabel(QLabel* widget, RecentSizes& sizes, const Label* was, const Label& label);
    void showFront(const Image* was, const Image& image);
    void showLamp(int index, const Image* was, const Image& image);

    PictureCache m_pictures;
    QHash<QString, QPixmap> m_scaledPictures;
    QLabel* m_image1 = nullptr;
    std::array<QLabel*, 9> m_label1{};
    std::array<QLabel*, 3> m_label3{};
    std::array<RecentSizes, 9> m_label1Sizes{};
    std::array<RecentSizes, 3> m_label3Sizes{};
    std::array<QLabel*, 8> m_image2{};
    i18n::CaptionTranslator m_captions;
    std::optional<PanelModel> m_shown;
    double m_scale = 1.0;
    int m_lastUpdates = 0;
};

} // namespace panel
