#include "core/output/printedpage.h"

PageText *PrintedPage::text(const QString &name)
{
    for (PageText &t : texts)
        if (t.name == name)
            return &t;
    return nullptr;
}

const PageText *PrintedPage::text(const QString &name) const
{
    return const_cast<PrintedPage *>(this)->text(name);
}

void PrintedPage::setText(const QString &name, const QString &value)
{
    if (PageText *t = text(name))
        t->text = value;
}
