#include "FilePanel.h"

#include "native/KitRuntime.h"

#include <AppDefs.h>
#include <Message.h>

#include <QFileDialog>

BFilePanel::BFilePanel(file_panel_mode, BMessenger target)
{
    kit::EnsureApplication();
    fDialog = std::make_unique<QFileDialog>();
    fDialog->setAcceptMode(QFileDialog::AcceptSave);
    fDialog->setFileMode(QFileDialog::AnyFile);
    QObject::connect(fDialog.get(), &QFileDialog::fileSelected, fDialog.get(),
                     [target](const QString& path) {
                         BMessage chosen(B_SAVE_REQUESTED);
                         chosen.AddString("path", path.toUtf8().constData());
                         target.SendMessage(&chosen);
                     });
}

BFilePanel::~BFilePanel() = default;

void BFilePanel::SetSaveText(const char* name) { fDialog->selectFile(QString::fromUtf8(name)); }

// Not exec(): a nested event loop would hand windows their messages from inside this one.
void BFilePanel::Show() { fDialog->open(); }
