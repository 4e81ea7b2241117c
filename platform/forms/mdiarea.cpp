#include "mdiarea.h"
#include "form.h"
#include "systemcolours.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
MdiArea* hostingArea = nullptr;
} // namespace

MdiArea::MdiArea(Container& container, const QString& name)
    : Control(container, name, std::make_unique<QMdiArea>(),
              {QPalette::Window, QPalette::WindowText, vbButtonFace, vbButtonText}) {
    // A child window reaching past the area is reached by scrolling, as on the old platform.
    auto* area = static_cast<QMdiArea*>(widget());
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    hostingArea = this;
}

MdiArea::~MdiArea() {
    retire();
}

MdiArea* MdiArea::current() {
    return hostingArea;
}

void MdiArea::host(Form& form) {
    QMdiSubWindow* subWindow = static_cast<QMdiArea*>(widget())->addSubWindow(&form);
    subWindow->hide();
}

std::vector<Form*> MdiArea::forms() const {
    std::vector<Form*> result;
    for (QMdiSubWindow* subWindow :
         static_cast<QMdiArea*>(widget())->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* form = qobject_cast<Form*>(subWindow->widget())) result.push_back(form);
    }
    return result;
}

void MdiArea::retire() {
    if (hostingArea == this) hostingArea = nullptr;
}
