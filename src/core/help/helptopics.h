#pragma once
#include <QString>
#include <QStringList>

// A page of the help window: the title shown above it and its paragraphs.
struct HelpTopic
{
    QString title;
    QStringList paragraphs;

    // The paragraphs as the help window shows them, a blank line between two.
    QString text() const;
};

// Every help page of the program, written out in helptopics.cpp.
namespace HelpTopics {
// The overview opened from the main menu: three introductory paragraphs, the
// registry page, the declaration page and five closing paragraphs.
HelpTopic general();
HelpTopic registry();        // the registry window
HelpTopic declarations();    // both declaration windows, the same page
HelpTopic registryExport();            // the export window of each archive
HelpTopic selfCertificationExport();
HelpTopic notorietyExport();

// Paragraphs are separated by CR LF CR LF.
QString joined(const QStringList &paragraphs);
}
