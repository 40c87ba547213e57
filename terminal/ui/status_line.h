#pragma once
// One line of text along the bottom of a window. A QLabel given new text lays the whole window out
// again, measuring every button and box; this line only repaints itself, which matters when the
// text changes every second on a busy line.
#include <QWidget>

namespace terminal {

class StatusLine final : public QWidget {
public:
    explicit StatusLine(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace terminal
