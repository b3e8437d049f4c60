#pragma once

#include <QWidget>

class QLabel;

// The start-up window: the instrument's version line, a description and the step under
// way. Its texts are fixed design texts, not language texts (the language table is not
// loaded while it first shows).
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Shows the step under way and paints it at once (start-up does not return to the
    // event loop between its steps).
    void SetMessage(const QString& text);
    QString Message() const;
    QString VersionLine() const;
    void SetVersionLine(const QString& text);
    void SetDescriptionVisible(bool visible);

private:
    QLabel* lblVersion_;
    QLabel* lblDescription_;
    QLabel* lblMessages_;
    QWidget* pctRight_;
    QLabel* imgLogo_;
};
