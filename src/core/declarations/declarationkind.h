#pragma once

// The two kinds of substitute declaration share one window; everything that
// tells them apart is in this table.
struct DeclarationKind
{
    enum Id { SelfCertification, Notoriety };

    Id id;
    const char *objectName;    // the window
    const char *caption;
    const char *archive;       // archive file in the program folder
    const char *headingTitle;  // first line of the heading picture
    const char *headingLaw;    // second line: the article of law
    const char *tag;           // kind tag written into a satellite's lblMemory
    const char *deliveredHint;     // status hint of chkConsegnata
    const char *undeliveredHint;   // status hint of cmdDaConsegnare
    // Satellite windows of this kind.
    const char *searchWindow;
    const char *undeliveredWindow;
    const char *exportWindow;
    const char *printWindow;
    const char *previewWindow;

    static const DeclarationKind &of(Id id);
};
