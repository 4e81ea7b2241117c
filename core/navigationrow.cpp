#include "navigationrow.h"

#include <QPushButton>
#include <QStyle>

namespace {
void makePictureButton(CommandButton& button, QStyle::StandardPixmap pixmap, const QString& toolTip) {
    auto* pushButton = static_cast<QPushButton*>(button.widget());
    pushButton->setIcon(pushButton->style()->standardIcon(pixmap));
    button.setToolTipText(toolTip);
}
} // namespace

void placeNavigationRow(Container& window, const NavigationRow& row) {
    row.add.Move(4, 4, 26, 26);
    makePictureButton(row.add, QStyle::SP_FileIcon, row.addTip);
    row.remove.Move(32, 4, 26, 26);
    makePictureButton(row.remove, QStyle::SP_TrashIcon, row.removeTip);

    const QStringList navCaptions{QStringLiteral("<<"), QStringLiteral("<"), QStringLiteral(">"),
                                  QStringLiteral(">>")};
    const double navLefts[] = {68, 98, 204, 234};
    for (int i = 0; i < 4; ++i) {
        CommandButton& button = row.nav.emplace_back(window, row.navName + QStringLiteral("(%1)").arg(i));
        button.setCaption(navCaptions[i]);
        button.Move(navLefts[i], 4, 28, 26);
    }
    row.position.Move(128, 9, 74, 17);
    row.position.setAlignment(vbCenter);
}
