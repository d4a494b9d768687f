#include "answer_form.h"

#include "engine/text_rules.h"

QString AnswerForm(const QString& text) {
    QString form = ' ' + text.toUpper() + ' ';
    ApplyInOrder(form, {{u"!", u" !"}, {u"?", u" ?"}, {u",", u" , "}});
    while (form.contains(QLatin1String("  ")))
        SqueezeBlanks(form, 1);
    return form;
}
