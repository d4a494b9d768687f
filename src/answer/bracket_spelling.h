#pragma once

#include <QList>
#include <QString>

// Stored system commands and parameters spell "[" as "XX" and "]" as "YY". A phrase is spelt the
// same way while it is matched against them; turning every "XX" and "YY" back afterwards would
// also turn letters into brackets («[STOPLONELY]» would come back as «[STOPLONEL]Y»), so only the
// spellings made here become brackets again.
class BracketSpelling {
  public:
    explicit BracketSpelling(const QString& text);

    // The spelt text. Whoever changes it may only insert or remove blanks and change letter case.
    QString& text() { return text_; }
    // The text with the spellings made here turned back into brackets.
    QString restored() const;

  private:
    QString text_;
    // One entry for each character of the text that is not a blank, in order: the bracket whose
    // spelling begins there, a blank character for the second letter of a spelling, and a null
    // character for a character of the text itself.
    QList<QChar> roles_;
};
