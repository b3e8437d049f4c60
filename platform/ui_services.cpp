#include "platform/ui_services.h"

#include "platform/file_filter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
UiServices*& installed() {
    static UiServices* services = nullptr;
    return services;
}

QMessageBox::Icon toQt(StandardIcon icon) {
    switch (icon) {
    case StandardIcon::Information:
        return QMessageBox::Information;
    case StandardIcon::Warning:
        return QMessageBox::Warning;
    case StandardIcon::Critical:
        return QMessageBox::Critical;
    case StandardIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

FileDialogResult runDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode,
                           QWidget* owner) {
    QFileDialog dialog(owner, request.title, request.folder, request.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = request.filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex));
    if (request.suffixFromFilter) {
        auto followFilter = [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(FilterSuffix(filter));
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
        followFilter(dialog.selectedNameFilter());
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.fileName = dialog.selectedFiles().constFirst();
    result.filterIndex = filters.indexOf(dialog.selectedNameFilter());
    return result;
}
} // namespace

UiServices& Ui() {
    static QtUiServices plain;
    return installed() ? *installed() : plain;
}

void SetUi(UiServices* services) {
    QWidget* owner = Ui().Owner();
    installed() = services;
    if (services && !services->Owner())
        services->SetOwner(owner);
}

bool QtUiServices::StandardBox(const QString& text, const QString& title, StandardIcon icon,
                               StandardButtons buttons) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, Owner());
    if (buttons == StandardButtons::YesNoDefaultNo) {
        box.addButton(QMessageBox::Yes);
        box.setDefaultButton(box.addButton(QMessageBox::No));
        return box.exec() == QMessageBox::Yes;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return true;
}

bool QtUiServices::ShowMessageBox(const MessageBoxRequest& request) {
    return AskMessageBox(request) == BoxAnswer::Yes;
}

BoxAnswer QtUiServices::AskMessageBox(const MessageBoxRequest& request) {
    // The kinds as the program's own box shows them: a failure, a warning, a question.
    static const QMessageBox::Icon icons[] = {QMessageBox::Critical, QMessageBox::Warning,
                                              QMessageBox::Question};
    QMessageBox box(icons[qBound(0, request.iconKind, 2)], request.title, request.message,
                    QMessageBox::NoButton, Owner());
    QPushButton* ok = box.addButton(request.okCaption, QMessageBox::AcceptRole);
    QPushButton* no = request.buttonKind == 3
                          ? box.addButton(request.noCaption, QMessageBox::DestructiveRole)
                          : nullptr;
    if (request.buttonKind != 1)
        box.setEscapeButton(box.addButton(request.cancelCaption, QMessageBox::RejectRole));
    box.exec();
    if (box.clickedButton() == ok)
        return BoxAnswer::Yes;
    if (no && box.clickedButton() == no)
        return BoxAnswer::No;
    return request.buttonKind == 0 ? BoxAnswer::No : BoxAnswer::Cancel;
}

FileDialogResult QtUiServices::OpenFile(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptOpen, Owner());
}

FileDialogResult QtUiServices::SaveFile(const FileDialogRequest& request) {
    return runDialog(request, QFileDialog::AcceptSave, Owner());
}

Qt::KeyboardModifiers QtUiServices::KeyboardModifiers() {
    return QGuiApplication::queryKeyboardModifiers();
}

QColor QtUiServices::ChooseColor(const QColor& initial) {
    return QColorDialog::getColor(initial, Owner());
}
