#include <QApplication>

#include "ui/anfangsdialog.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumora::Anfangsdialog dialog;
    dialog.show();
    return app.exec();
}
