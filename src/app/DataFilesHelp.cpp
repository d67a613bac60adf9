#include "app/DataFilesHelp.h"

QString DataFilesHelpText()
{
    return QStringLiteral(
        "\nFiles, in the data folder (--data-dir, the program's own folder when it holds "
        "dirdata.xml,\nor $XDG_DATA_HOME/kestrine, ~/.local/share/kestrine when unset):\n"
        "  sv.dat          the profiles, the current profile and what was sent\n"
        "  dirdata.xml     the directory database, replaced by Update RSS Directory Database\n"
        "  mydirs.xml      your own directories, in the format of dirdata.xml\n"
        "  history.sqlite  the submission history\n"
        "  kestrine.conf   settings (INI); Settings > Database Source, Work Ahead, Language\n"
        "                  and Confirmation Mails write\n"
        "                    [update]\n"
        "                    source=<the http or https address the update downloads>\n"
        "                    [tabs]\n"
        "                    ready=<directories kept ready in tabs, 0 to 8, 0 for none; 2>\n"
        "                    keepFinished=<true to keep tabs whose result was read; false>\n"
        "                    [ui]\n"
        "                    language=<de, en, es, fr, it, nl, pl or pt_BR; the desktop's>\n"
        "                    [mail]\n"
        "                    server=<imaps://host[:port], or imap://host[:port] with STARTTLS>\n"
        "                    user=<the mailbox's user name>\n"
        "                    folder=<where confirmation mails arrive; INBOX>\n"
        "                    password-command=<a command that prints the password; none: the\n"
        "                      desktop's secret store keeps it>\n");
}
