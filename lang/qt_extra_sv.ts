<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Filmapp</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Genväg</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Plocka färg från skärmen</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Markören vid %1, %2
Tryck på Esc för att avbryta</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Välj färg</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Försättsblad</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Debiteringsinformation:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Sekretessbelagt</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidentiellt</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dag (06:00 till 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Slut:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Håll kvar tills vidare</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Utskriftsjobb</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Jobbhantering</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Jobbprioritet:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Natt (18:00 till 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Inget</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Skriv ut direkt</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Schemalagd utskrift:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Andra skiftet (16:00 till 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Hemligt</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Vid angiven tid</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Början:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tredje skiftet (00:00 till 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Topphemligt</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Ej sekretessbelagt</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Helg (lördag till söndag)</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>Critical Error:</source>
        <translation>Allvarligt fel:</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Information:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mapp</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Vill du verkligen ta bort &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Byt till detaljvy</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Byt till listvy</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Skapa en ny mapp</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå bakåt</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå framåt</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå till överordnad mapp</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Lista över platser och bokmärken</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Leta i:</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Senaste platser</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Visa </translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidopanel</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Dator</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Om Qt&lt;/h3&gt;&lt;p&gt;Det här programmet använder Qt version %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt är en verktygslåda i C++ för programutveckling på flera plattformar.&lt;/p&gt;&lt;p&gt;Med Qt kan samma källkod användas i alla större operativsystem för datorer. Qt finns även för inbyggt Linux och andra operativsystem för inbyggda och mobila enheter.&lt;/p&gt;&lt;p&gt;Qt finns under flera licensformer, utformade för att möta behoven hos våra olika användare.&lt;/p&gt;&lt;p&gt;Qt under vårt kommersiella licensavtal passar för utveckling av proprietär/kommersiell programvara där du inte vill dela någon källkod med tredje part eller av andra skäl inte kan följa villkoren i GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt under GNU (L)GPL passar för utveckling av Qt&amp;nbsp;program, förutsatt att du kan följa villkoren i respektive licens.&lt;/p&gt;&lt;p&gt;Se &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; för en översikt över licenserna för Qt.&lt;/p&gt;&lt;p&gt;Upphovsrätt (C) %1 The Qt Company Ltd och andra bidragsgivare.&lt;/p&gt;&lt;p&gt;Qt och Qt-logotypen är varumärken som tillhör The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt är en produkt från The Qt Company Ltd och utvecklas som ett projekt med öppen källkod. Se &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; för mer information.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höjd:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Tum (in)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marginaler</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientering</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sidlayout</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Sidordning:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Sidor per ark:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papper</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Punkter (pt)</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Omvänt liggande</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Omvänt stående</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredd:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>nedre marginal</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>vänster marginal</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>höger marginal</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>övre marginal</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ej till alla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spara alla</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja till &amp;alla</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 har inte rätt form. Skilj sidor och intervall åt med &apos;,&apos;, ange intervall med &apos;-&apos; och se till att intervallen inte överlappar varandra.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 är en mapp.
Välj ett annat filnamn.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Alternativ &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Alternativ &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Alla sidor</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Nedifrån och upp, vänster till höger</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Nedifrån och upp, höger till vänster</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Konflikt i inställningarna för dubbelsidig utskrift</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Jämna sidor</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Ogiltig sidangivelse</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Vänster till höger, nedifrån och upp</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Vänster till höger, uppifrån och ned</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokal fil</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Udda sidor</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Alternativen &apos;Sidor per ark&apos; och &apos;Sidurval&apos; kan inte användas samtidigt.
Stäng av ett av dem.</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Skriv ut till fil (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Höger till vänster, nedifrån och upp</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Höger till vänster, uppifrån och ned</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Värdet &apos;Från&apos; får inte vara större än värdet &apos;Till&apos;.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Inställningarna för dubbelsidig utskrift står i konflikt med varandra. Vill du rätta dem?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Uppifrån och ned, vänster till höger</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Uppifrån och ned, höger till vänster</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Skapa PDF-fil</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportera till PDF</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Första sidan</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Anpassa till sidan</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Anpassa till bredden</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Sista sidan</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nästa sida</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Sidinställningar</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Sidinställningar</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Föregående sida</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Förhandsgranskning</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Visa uppslag</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Visa översikt över alla sidor</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Visa en sida i taget</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zooma ut</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Konflikt i avancerade alternativ</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Jobbalternativ</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Konflikt i sidinställningarna</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Skrivaregenskaper</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Sidinställningarna står i konflikt med varandra. Vill du rätta dem?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Vissa avancerade alternativ står i konflikt med varandra. Vill du rätta dem?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sida</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Vissa alternativ står i konflikt med varandra. Rätta dem.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Färgläge</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopior:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Aktuell sida</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dubbelsidig utskrift</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråskala</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Bindning på långsidan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Utskriftsinställningar</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Sidurval:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sidor</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Omvänd ordning</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Bindning på kortsidan</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Ange sidor eller intervall åtskilda med kommatecken. Ett intervall anges med två tal åtskilda med bindestreck. Exempel: 3,5-7,9 skriver ut sidorna 3, 5, 6, 7 och 9.</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Namn:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Plats:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Utdata&amp;fil:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsgranska</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiera &amp;länkadress</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
    </message>
</context>
</TS>
