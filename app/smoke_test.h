#pragma once
// --smoke-test: proves that an installed program starts and shows its search dialog, on a machine
// with no one in front of it. Once the dialog has been painted, its picture is written to a PNG
// file, its title printed, and the program ends (status 0, or 1 when the picture was not written).
#include <QObject>
#include <QString>

class QWidget;

namespace app {

class SmokeTest : public QObject {
    Q_OBJECT
public:
    // Watches every widget of the application from now on.
    explicit SmokeTest(const QString& pngPath, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report(QWidget* dialog);

    QString m_pngPath;
    bool m_seen = false;
};

} // namespace app
