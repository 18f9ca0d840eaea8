// About window TForm5. Tag 1: about the program, with the game logo; Tag 2: about the
// author, with his picture; any other value leaves the window as it is.
#pragma once

#include "ui/Nebenfenster.h"

class QLabel;
class QToolButton;

namespace mvt {

class TForm5 : public TNebenfenster {
    Q_OBJECT
public:
    explicit TForm5(QWidget *hauptfenster);

    QLabel *ImageLogo;
    QLabel *ImageHadrik;
    QLabel *Label1;
    QLabel *Label2;
    QToolButton *SpeedButtonAbbrechen;

    static const QString ProgrammText;
    static const QString AutorText;

protected:
    void FormShow() override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
};

} // namespace mvt
