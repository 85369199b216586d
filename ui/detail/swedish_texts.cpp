// Swedish for the texts of Qt's own dialogs that Qt's Swedish translation does not cover (it was
// made for older versions of the dialogs): the print dialog and its properties, the page set-up,
// the print preview, the file dialog and the standard buttons. Keyed by Qt's context and source
// text as Qt 6 writes them.
#include <QHash>
#include <QTranslator>

#include "ui/detail/swedish.h"

namespace ui::detail {
namespace {

struct Text {
    const char* context;
    const char* source;
    const char* swedish;
};

const Text kTexts[] = {
    {"QPlatformTheme", "&No", "&Nej"},
    {"QPlatformTheme", "&Yes", "&Ja"},
    {"QPlatformTheme", "Abort", "Avbryt"},
    {"QPlatformTheme", "Apply", "Verkställ"},
    {"QPlatformTheme", "Cancel", "Avbryt"},
    {"QPlatformTheme", "Close", "Stäng"},
    {"QPlatformTheme", "Discard", "Kasta"},
    {"QPlatformTheme", "Help", "Hjälp"},
    {"QPlatformTheme", "Ignore", "Ignorera"},
    {"QPlatformTheme", "N&o to All", "N&ej till alla"},
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "Open", "Öppna"},
    {"QPlatformTheme", "Reset", "Återställ"},
    {"QPlatformTheme", "Restore Defaults", "Återställ standard"},
    {"QPlatformTheme", "Retry", "Försök igen"},
    {"QPlatformTheme", "Save", "Spara"},
    {"QPlatformTheme", "Save All", "Spara alla"},
    {"QPlatformTheme", "Yes to &All", "Ja till &alla"},

    {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?",
     "%1 finns redan.\nVill du skriva över den?"},
    {"QPrintDialog",
     "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define "
     "ranges "
     "and make sure ranges do not intersect with each other.",
     "%1 är inte rätt skrivet. Skilj sidor och intervall åt med ',', ange intervall med '-' och se till att "
     "intervallen inte överlappar varandra."},
    {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
     "%1 är en mapp.\nVälj ett annat filnamn."},
    {"QPrintDialog", "&Options <<", "&Alternativ <<"},
    {"QPrintDialog", "&Options >>", "&Alternativ >>"},
    {"QPrintDialog", "&Print", "&Skriv ut"},
    {"QPrintDialog", "All Pages", "Alla sidor"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "Nerifrån och upp, vänster till höger"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "Nerifrån och upp, höger till vänster"},
    {"QPrintDialog", "Duplex Settings Conflicts", "Motstridiga inställningar för dubbelsidigt"},
    {"QPrintDialog", "Even Pages", "Jämna sidor"},
    {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
     "Filen %1 går inte att skriva.\nVälj ett annat filnamn."},
    {"QPrintDialog", "Invalid Pages Definition", "Felaktigt angivna sidor"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "Vänster till höger, nerifrån och upp"},
    {"QPrintDialog", "Left to Right, Top to Bottom", "Vänster till höger, uppifrån och ner"},
    {"QPrintDialog", "Local file", "Lokal fil"},
    {"QPrintDialog", "Odd Pages", "Udda sidor"},
    {"QPrintDialog",
     "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those options "
     "off.",
     "'Sidor per ark' och 'Sidurval' kan inte användas samtidigt.\nStäng av en av dem."},
    {"QPrintDialog", "Print", "Skriv ut"},
    {"QPrintDialog", "Print To File ...", "Skriv ut till fil ..."},
    {"QPrintDialog", "Print to File (PDF)", "Skriv ut till fil (PDF)"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "Höger till vänster, nerifrån och upp"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Höger till vänster, uppifrån och ner"},
    {"QPrintDialog", "The 'From' value cannot be greater than the 'To' value.",
     "Första sidan kan inte komma efter den sista."},
    {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
     "Inställningarna för dubbelsidig utskrift motsäger varandra. Vill du rätta dem?"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "Uppifrån och ner, vänster till höger"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "Uppifrån och ner, höger till vänster"},
    {"QPrintDialog", "Write PDF file", "Skriv PDF-fil"},

    {"QPrintWidget", "&Name:", "&Namn:"},
    {"QPrintWidget", "Location:", "Plats:"},
    {"QPrintWidget", "Output &file:", "&Fil:"},
    {"QPrintWidget", "P&roperties", "&Egenskaper"},
    {"QPrintWidget", "Preview", "Förhandsgranska"},
    {"QPrintWidget", "Printer", "Skrivare"},
    {"QPrintWidget", "Type:", "Typ:"},

    {"QPrintSettingsOutput", "Collate", "Sortera"},
    {"QPrintSettingsOutput", "Color", "Färg"},
    {"QPrintSettingsOutput", "Color Mode", "Färgläge"},
    {"QPrintSettingsOutput", "Copies", "Kopior"},
    {"QPrintSettingsOutput", "Copies:", "Antal kopior:"},
    {"QPrintSettingsOutput", "Current Page", "Aktuell sida"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Dubbelsidig utskrift"},
    {"QPrintSettingsOutput", "Grayscale", "Gråskala"},
    {"QPrintSettingsOutput", "Long side binding", "Bindning längs långsidan"},
    {"QPrintSettingsOutput", "Off", "Av"},
    {"QPrintSettingsOutput", "Options", "Alternativ"},
    {"QPrintSettingsOutput", "Output Settings", "Utskriftsinställningar"},
    {"QPrintSettingsOutput", "Page Set:", "Sidurval:"},
    {"QPrintSettingsOutput", "Pages", "Sidor"},
    {"QPrintSettingsOutput", "Pages from", "Sidor från"},
    {"QPrintSettingsOutput", "Print all", "Skriv ut allt"},
    {"QPrintSettingsOutput", "Print range", "Utskriftsintervall"},
    {"QPrintSettingsOutput", "Reverse", "Omvänd ordning"},
    {"QPrintSettingsOutput", "Selection", "Markering"},
    {"QPrintSettingsOutput", "Short side binding", "Bindning längs kortsidan"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
     "hyphen. "
     "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Ange sidor eller intervall åtskilda med komman. Ett intervall är två tal med bindestreck emellan. "
     "T.ex. skriver 3,5-7,9 ut sidorna 3, 5, 6, 7 och 9."},
    {"QPrintSettingsOutput", "to", "till"},

    {"QPrintPropertiesDialog", "Advanced Option Conflicts", "Motstridiga avancerade inställningar"},
    {"QPrintPropertiesDialog", "Job Options", "Utskriftsjobb"},
    {"QPrintPropertiesDialog", "Page Setup Conflicts", "Motstridiga sidinställningar"},
    {"QPrintPropertiesDialog", "Printer Properties", "Skrivaregenskaper"},
    {"QPrintPropertiesDialog", "There are conflicts in page setup options. Do you want to fix them?",
     "Sidinställningarna motsäger varandra. Vill du rätta dem?"},
    {"QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?",
     "Några avancerade inställningar motsäger varandra. Vill du rätta dem?"},

    {"QPageSetupWidget", "Custom", "Egen"},
    {"QPageSetupWidget", "Height:", "Höjd:"},
    {"QPageSetupWidget", "Inches (in)", "Tum (in)"},
    {"QPageSetupWidget", "Landscape", "Liggande"},
    {"QPageSetupWidget", "Margins", "Marginaler"},
    {"QPageSetupWidget", "Millimeters (mm)", "Millimeter (mm)"},
    {"QPageSetupWidget", "Orientation", "Orientering"},
    {"QPageSetupWidget", "Page Layout", "Sidlayout"},
    {"QPageSetupWidget", "Page order:", "Sidordning:"},
    {"QPageSetupWidget", "Page size:", "Pappersstorlek:"},
    {"QPageSetupWidget", "Pages per sheet:", "Sidor per ark:"},
    {"QPageSetupWidget", "Paper", "Papper"},
    {"QPageSetupWidget", "Paper source:", "Papperskälla:"},
    {"QPageSetupWidget", "Points (pt)", "Punkter (pt)"},
    {"QPageSetupWidget", "Portrait", "Stående"},
    {"QPageSetupWidget", "Reverse landscape", "Omvänt liggande"},
    {"QPageSetupWidget", "Reverse portrait", "Omvänt stående"},
    {"QPageSetupWidget", "Width:", "Bredd:"},
    {"QPageSetupWidget", "bottom margin", "nedre marginal"},
    {"QPageSetupWidget", "in", "tum"},
    {"QPageSetupWidget", "left margin", "vänster marginal"},
    {"QPageSetupWidget", "right margin", "höger marginal"},
    {"QPageSetupWidget", "top margin", "övre marginal"},

    {"QPrintPreviewDialog", "Export to PDF", "Exportera till PDF"},
    {"QPrintPreviewDialog", "First page", "Första sidan"},
    {"QPrintPreviewDialog", "Fit page", "Hela sidan"},
    {"QPrintPreviewDialog", "Fit width", "Sidbredd"},
    {"QPrintPreviewDialog", "Landscape", "Liggande"},
    {"QPrintPreviewDialog", "Last page", "Sista sidan"},
    {"QPrintPreviewDialog", "Next page", "Nästa sida"},
    {"QPrintPreviewDialog", "Page Setup", "Sidinställningar"},
    {"QPrintPreviewDialog", "Page setup", "Sidinställningar"},
    {"QPrintPreviewDialog", "Portrait", "Stående"},
    {"QPrintPreviewDialog", "Previous page", "Föregående sida"},
    {"QPrintPreviewDialog", "Print", "Skriv ut"},
    {"QPrintPreviewDialog", "Print Preview", "Förhandsgranskning"},
    {"QPrintPreviewDialog", "Show facing pages", "Visa uppslag"},
    {"QPrintPreviewDialog", "Show overview of all pages", "Visa alla sidor"},
    {"QPrintPreviewDialog", "Show single page", "Visa en sida"},
    {"QPrintPreviewDialog", "Zoom in", "Zooma in"},
    {"QPrintPreviewDialog", "Zoom out", "Zooma ut"},

    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nMappen finns inte.\nKontrollera att mappens namn är rätt."},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nFilen finns inte.\nKontrollera att filens namn är rätt."},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     "%1 finns redan.\nVill du ersätta den?"},
    {"QFileDialog", "&Choose", "&Välj"},
    {"QFileDialog", "&Delete", "&Ta bort"},
    {"QFileDialog", "&New Folder", "&Ny mapp"},
    {"QFileDialog", "&Open", "&Öppna"},
    {"QFileDialog", "&Rename", "&Byt namn"},
    {"QFileDialog", "&Save", "&Spara"},
    {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?",
     "'%1' är skrivskyddad.\nVill du ta bort den ändå?"},
    {"QFileDialog", "All Files (*)", "Alla filer (*)"},
    {"QFileDialog", "All files (*)", "Alla filer (*)"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", "Vill du verkligen ta bort '%1'?"},
    {"QFileDialog", "Back", "Bakåt"},
    {"QFileDialog", "Change to detail view mode", "Visa detaljer"},
    {"QFileDialog", "Change to list view mode", "Visa som lista"},
    {"QFileDialog", "Could not delete directory.", "Mappen kunde inte tas bort."},
    {"QFileDialog", "Create New Folder", "Skapa ny mapp"},
    {"QFileDialog", "Create a New Folder", "Skapa en ny mapp"},
    {"QFileDialog", "Delete", "Ta bort"},
    {"QFileDialog", "Detail View", "Detaljer"},
    {"QFileDialog", "Directories", "Mappar"},
    {"QFileDialog", "Directory:", "Mapp:"},
    {"QFileDialog", "File &name:", "Fil&namn:"},
    {"QFileDialog", "Files", "Filer"},
    {"QFileDialog", "Files of type:", "Filtyp:"},
    {"QFileDialog", "Find Directory", "Välj mapp"},
    {"QFileDialog", "Forward", "Framåt"},
    {"QFileDialog", "Go back", "Gå bakåt"},
    {"QFileDialog", "Go forward", "Gå framåt"},
    {"QFileDialog", "Go to the parent directory", "Gå till mappen ovanför"},
    {"QFileDialog", "List View", "Lista"},
    {"QFileDialog", "List of places and bookmarks", "Platser och bokmärken"},
    {"QFileDialog", "Look in:", "Leta i:"},
    {"QFileDialog", "New Folder", "Ny mapp"},
    {"QFileDialog", "Open", "Öppna"},
    {"QFileDialog", "Parent Directory", "Mappen ovanför"},
    {"QFileDialog", "Recent Places", "Senaste platser"},
    {"QFileDialog", "Remove", "Ta bort"},
    {"QFileDialog", "Save As", "Spara som"},
    {"QFileDialog", "Show ", "Visa "},
    {"QFileDialog", "Show &hidden files", "Visa &dolda filer"},
    {"QFileDialog", "Sidebar", "Sidopanel"},

    {"QFileSystemModel", "Computer", "Dator"},
    {"QFileSystemModel", "Date Modified", "Ändrad"},
    {"QFileSystemModel", "Kind", "Sort"},
    {"QFileSystemModel", "My Computer", "Den här datorn"},
    {"QFileSystemModel", "Name", "Namn"},
    {"QFileSystemModel", "Size", "Storlek"},
    {"QFileSystemModel", "Type", "Typ"},

    {"QCupsJobWidget", "Banner Pages", "Försättsblad"},
    {"QCupsJobWidget", "Billing information:", "Debiteringsuppgifter:"},
    {"QCupsJobWidget", "Classified", "Sekretessbelagd"},
    {"QCupsJobWidget", "Confidential", "Konfidentiell"},
    {"QCupsJobWidget", "Day (06:00 to 17:59)", "Dag (06:00 till 17:59)"},
    {"QCupsJobWidget", "End:", "Slut:"},
    {"QCupsJobWidget", "Hold Indefinitely", "Vänta tills vidare"},
    {"QCupsJobWidget", "Job", "Jobb"},
    {"QCupsJobWidget", "Job Control", "Utskriftsjobb"},
    {"QCupsJobWidget", "Job priority:", "Prioritet:"},
    {"QCupsJobWidget", "Night (18:00 to 05:59)", "Natt (18:00 till 05:59)"},
    {"QCupsJobWidget", "None", "Ingen"},
    {"QCupsJobWidget", "Print Immediately", "Skriv ut direkt"},
    {"QCupsJobWidget", "Scheduled printing:", "Schemalagd utskrift:"},
    {"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Andra skiftet (16:00 till 23:59)"},
    {"QCupsJobWidget", "Secret", "Hemlig"},
    {"QCupsJobWidget", "Specific Time", "Vid en viss tid"},
    {"QCupsJobWidget", "Standard", "Standard"},
    {"QCupsJobWidget", "Start:", "Början:"},
    {"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Tredje skiftet (00:00 till 07:59)"},
    {"QCupsJobWidget", "Top Secret", "Kvalificerat hemlig"},
    {"QCupsJobWidget", "Unclassified", "Öppen"},
    {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Helg (lördag till söndag)"},
};

class SwedishTexts : public QTranslator {
  public:
    explicit SwedishTexts(QObject* parent) : QTranslator(parent) {
        for (const Text& t : kTexts)
            texts_.insert(key(t.context, t.source), QString::fromUtf8(t.swedish));
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        return source && context ? texts_.value(key(context, source)) : QString();
    }

  private:
    static QByteArray key(const char* context, const char* source) {
        return QByteArray(context) + '\x1f' + QByteArray(source);
    }
    QHash<QByteArray, QString> texts_;
};

} // namespace

QTranslator* swedishTexts(QObject* parent) {
    return new SwedishTexts(parent);
}

} // namespace ui::detail
