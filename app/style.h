// The calculator's widget style: the platform's own, except that icons which
// widgets ask for while they are built, but seldom show, load when first drawn.
#pragma once

#include <QProxyStyle>

namespace qv::app {

class Style : public QProxyStyle {
public:
    // The menu bar's overflow arrow (shown only when its menus do not fit):
    // reading its image files would load the image plugins at start-up.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace qv::app
