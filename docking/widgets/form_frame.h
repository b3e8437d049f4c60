#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace dockable {

// The caption of a form window: the form's title, and its close box.
class CaptionBar final : public QWidget {
    Q_OBJECT
public:
    explicit CaptionBar(QWidget* parent);
    void setTitle(const QString& title);
    QString title() const { return title_; }
    QToolButton* closeButton() const { return close_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString title_;
    QToolButton* close_;
};

// The window of a registered form: a sizing frame, a caption and the form itself inside.
// Docked, it sits in its pane with its frame cropped away; floating, it is a window of
// its own above the host.
class FormFrame final : public QWidget {
    Q_OBJECT
public:
    FormFrame(QWidget* form, int cxFrame, int cyFrame, int captionHeight);
    ~FormFrame() override;

    QWidget* form() const { return form_; }
    CaptionBar* caption() const { return caption_; }
    int captionHeight() const { return captionHeight_; }
    // Size of the frame around a form of that size.
    QSize frameSizeFor(QSize formSize) const;
    // The smallest floating window: its frame, the caption's height, and a width that
    // shows the caption's title and its close box.
    QSize minimumFloatingSize() const;
    // Floating, the window keeps that minimum; docked, its pane decides its size.
    void setFloatingMinimum(bool on);

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutChildren();

    QPointer<QWidget> form_;
    CaptionBar* caption_;
    int cx_;
    int cy_;
    int captionHeight_;
    bool floatingMinimum_ = false;
};

} // namespace dockable
