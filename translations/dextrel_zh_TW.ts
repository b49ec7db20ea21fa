<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>LimitSettings</name>
    <message>
        <source>Error: The normal %1 limit Setting of Glucose Value ranges between %2 and %3 !!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualAddress</name>
    <message>
        <source>The help browser shows the manual only; it does not open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser is set up on this computer to open %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualBrowser</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word, such as port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeterProbe</name>
    <message>
        <source>Meter found on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: answers, but not as the meter does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No meter found: there is no serial port to try.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No meter found on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeterTexts</name>
    <message>
        <source>RS232 Setting Error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Choose the meter&apos;s device in Setup (Find Meter looks for it), or plug in the meter&apos;s cable: Start Reading comes back as soon as the device can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from the meter on %1. Check the cable at both ends, switch the meter on, or look for it with Find Meter in Setup; then press Start Reading again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A download from the meter is running. Stop it and go on? Readings not saved yet are lost; the meter is told to go to sleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Massage...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Wake Up...Waiting(%1s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Wake Up...Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Wake Up...Please Wait!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Testing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Line...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no new data in meter !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ( %1 ) Data in Meter !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete! Receive ( %1 ) Data from Meter !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read [%1] data from Meter !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Receiving Error! Got %1 byte--it&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The download was abandoned and nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter did not answer for %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check the cable and press Start Reading again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer for %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter woke up but did not answer the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download is complete, but the meter did not confirm that it went to sleep (%1). It may still be on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the meter was lost (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readings from the meter were not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Index(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Meter Readings(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Meter Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data List(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Day(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC Line Graph(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay Day(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message>
        <source>Setting parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS232 Port Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port 1 (Default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Port 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glucose Unit Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mg/dL(Default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Format Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy/mm/dd(Default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glucose Value Limit Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uper limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC Uper limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC Lower limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the proper port, data, glucose unit and glucose value limit before pressing save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device of this port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a serial port of this computer, such as a USB serial adapter, or type its name and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Meter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device was NOT kept for the port. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: The lower limit Setting of Glucose Value &gt; The Uper limit Setting of Glucose Value!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were NOT saved in the user list. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language was NOT kept for the next login. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <source>View Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Graph(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be printed: the printer or file could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page was printed to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setting asks for a printer, which a scripted run cannot answer: nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 asks for a file, which a scripted run cannot answer: nothing was chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program to show the folder was found. Your readings are in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Keep the user list and reading files in &lt;dir&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log in as &lt;id&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the password of --user from the first line of standard input. Or set it in the environment variable DEXTREL_PASSWORD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password of --user. Every user of the computer can see it in the list of processes: prefer --password-stdin or DEXTREL_PASSWORD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After login, open &lt;name&gt;: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the page is shown, set the control &lt;name&gt; as a user would (choose a list entry, type text and Enter, a date in the user&apos;s date format, a number, choose an option). Repeatable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the page is shown, click the control or menu item &lt;name&gt;. Repeatable; --set and --click run in the order given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then save the open windows, their named controls and every message shown as JSON in &lt;file&gt;, and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After login (and --page), save a picture of the front window as &lt;file&gt; and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the meter&apos;s readings for --user without windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the readings of --user as CSV to &lt;file&gt; without windows (all of them, or --from/--to).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the one-page report for the doctor of --user as PDF to &lt;file&gt; without windows (the last 14 days with readings, or --from/--to).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day of the export or report (yyyy-mm-dd).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day of the export or report (yyyy-mm-dd).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the serial ports of this computer with their details, one a line, and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for the meter on the devices named after the options, or else on every serial port listed, and end: 0 when found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the windows and messages in &lt;code&gt;: en (English) or zh_TW (Traditional Chinese), instead of the user&apos;s choice or the system&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lang takes en or zh_TW.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--list-ports and --find-meter run alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown page &quot;%1&quot;; the pages are: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--user needs a user ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password needs --user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password-stdin needs --user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the password once: --password or --password-stdin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screenshot needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dump needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set and --click need the name of a control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set, --click and --dump need --user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--download needs --user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give one file at a time: --export-csv or --report-pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from and --to need a calendar date as yyyy-mm-dd.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from and --to go with --export-csv or --report-pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from must not be after --to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> needs --user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> opens no window: it cannot be combined with --download, --page, --set, --click, --dump or --screenshot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--download opens no window: it cannot be combined with --page, --set, --click, --dump or --screenshot.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserIdRules</name>
    <message>
        <source>it contains a comma, which the user list file cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains characters that this computer&apos;s text encoding cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a path separator (/ or \)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains &quot;..&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains the character %1, which a file name cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system reserves this name for a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its reading file would be the user list file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is longer than %1 bytes, too long to name its files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it begins or ends with a space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it begins or ends with a dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserTexts</name>
    <message>
        <source>User Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking Password :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Chose your User ID And key in your password !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID [%1] ! Your Password have some error ! Please try again !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No User ID is chosen. The user list is empty: please add a new user first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID [%1] is not in the user list any more. Please choose your User ID again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user list cannot be read. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of the user list %2 could not be read and was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines of the user list %2 could not be read and were skipped; the first is line %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading file of User ID [%1] cannot be created. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readings of User ID [%1] cannot be loaded, so the login is refused. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user list file cannot be created. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please key in the User ID！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t use this User ID！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please key in the Password！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please key in the Checking Password !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password and checking password is not the same , Please try again !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New User [%1] Successfully !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID [%1] was NOT added. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID [%1] cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This password cannot be used: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vision  %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebSide(&amp;A):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFindMeter</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial ports tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the meter with its cable. Each serial port is asked whether the meter is there; nothing in the meter is read or changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use It for Port %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmIndex</name>
    <message>
        <source>Welcome to the Dextrel Management Software,a software that offers a database of information to help better manage an individual&apos;s diabetes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The software is not intended to provide medical advice. Consult with your health care professional before making any life changing decisions (i.e. your diet, exercise program or medication.).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The software was developed exclusively by DX for use with Glucose Monitoring System.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blood drop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Main(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Readings(&amp;X)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report for My Doctor(&amp;R)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logout(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Control(&amp;C)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setting(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our Web(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMeterRead</name>
    <message>
        <source>Download Meter Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This operation will download the readings stored on your Blood Glucose Monitoring System and enter them in the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the meter to your computer by using the interface cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your meter will turn ON and display [PC] before downloading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View reports after downloading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Graph(AC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Graph(PC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Reports ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs (*.log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the log as %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmReadOldData</name>
    <message>
        <source>Reading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
