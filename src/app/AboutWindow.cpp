#include "app/AboutWindow.h"

#include "app/Links.h"
#include "platform/Picture.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "platform/core/ProgramFiles.h"

#include <QLabel>
#include <QPushButton>

namespace zeto {

AboutWindow::AboutWindow(const ProgramFiles& files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::Dialog) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于ZETO"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(4380), twipsToPixels(4380));

    struct Line {
        const char* name;
        QString text;
        int top;
    };
    const Line lines[] = {
        {"lblTitle", QStringLiteral("名称:ZETO"), 240},
        {"Label5", QStringLiteral("版本:V1.2 "), 540},
        {"lblDate", QStringLiteral("发布日期:2026年12月"), 840},
        {"lblMaker", QStringLiteral("制作:ZETO数学工作室"), 1140},
        {"lblWeb", QStringLiteral("网站:") + Links::webPage(), 1440},
        {"lblMail", QStringLiteral("信箱:") + Links::mailAddress(), 1740},
        {"lblAddress", QStringLiteral("地址:中国 北京市海淀区 学院路 1 号"), 2040},
        {"lblSource", QStringLiteral("本程序的源代码可从公司网站下载。"), 2340},
    };
    for (const Line& line : lines) {
        auto* label = new QLabel(line.text, this);
        label->setObjectName(QLatin1String(line.name));
        placeTwips(label, 360, line.top, 3900, 285);
    }

    const char* pictures[] = {"zeto.png", "calc.png", "plane.png", "settings.png",
                              "web.png",  "help.png", "about.png"};
    int left = 360;
    for (int k = 0; k < 7; ++k) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        placeTwips(picture, left, 2880, 480, 480);
        picture->setScaledContents(true);
        showPicture(picture, files.path(QStringLiteral("\\data\\") + QLatin1String(pictures[k])));
        left += 540;
    }

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    placeTwips(ok, 1440, 3840, 1500, 345);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    centreOnScreen(this);
}

}  // namespace zeto
