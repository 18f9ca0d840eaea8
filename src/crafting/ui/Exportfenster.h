// Export window TForm9 ("Bauliste"): the build list as forum text (BBCode) in a read-only
// memo, with the tags of each tree level chosen by check boxes.
#pragma once

#include "crafting/BaulistenDatei.h"
#include "ui/Nebenfenster.h"

#include <array>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace mvt {

class TForm9 : public TNebenfenster {
    Q_OBJECT
public:
    // The list the text is made of; the references stay valid for the window's life.
    TForm9(const TKatalog &katalog, const TBauliste &bauliste, QWidget *hauptfenster);

    // The tags the check boxes select.
    TExportStil Stil() const;
    // Fills the memo from the build list and puts the cursor at its start.
    void TextAufbauen();
    void SpeedButton1Click();

    QPlainTextEdit *Memo1;
    QToolButton *SpeedButton1;
    // [level 1..4]; element 0 unused.
    std::array<QLabel *, 5> LabelEbene{};
    std::array<QCheckBox *, 5> CheckBoxFett{};
    std::array<QCheckBox *, 5> CheckBoxUnterstrichen{};
    std::array<QCheckBox *, 5> CheckBoxKursiv{};

protected:
    void FormShow() override;
    void resizeEvent(QResizeEvent *ereignis) override;

private:
    const TKatalog *m_katalog = nullptr;
    const TBauliste *m_bauliste = nullptr;
};

} // namespace mvt
