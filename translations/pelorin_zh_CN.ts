<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FrameRecorder</name>
    <message>
        <source>Cannot record to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Recording to &quot;%1&quot; stopped: %2. The %n frame(s) recorded before are kept in the file.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the file could not take any more (is the disk full?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Fields that differ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::AboutDialog</name>
    <message>
        <source>Licence: GNU GPL, version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Pelorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelorin icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelorin Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter setup © 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::Channel</name>
    <message>
        <source>CH%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::ChannelTrace</name>
    <message>
        <source>Channel trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last 10 seconds of CH1 to CH6 as lines over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a percentage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::CommandLineTexts</name>
    <message>
        <source>Sets up a six-channel radio-control transmitter over its serial cable.
Qt&apos;s options for graphical programs (-platform, -style, ...) are accepted too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start on port P instead of probing: a COM number (3, COM3), a device path (/dev/ttyUSB0) or a virtual transmitter&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;pelorin --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: pelorin [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; pelorin takes no files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No field differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) differ.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pelorin::CurveDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODEL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EP%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curve graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 curve: %2; live marker at %3 (0 to 1023).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::DataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::DualRateDialog</name>
    <message>
        <source>DR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DR ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DR OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 DR ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 DR OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::EndPointDialog</name>
    <message>
        <source>End Point</source>
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
        <source>%1 left end point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 right end point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::HelpDialog</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window&apos;s buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of the main window with a note on each button. System Option: GetUser gets USER1 from the transmitter, Setting chooses the serial port, Help shows this picture, Save writes the settings to a file, Open loads a file and sends it. System Setting: EndPoint (servo travel left and right), Reverse (servo direction), SubTrim (centre offset), DR (dual rates of CH1, CH2 and CH4), Mode (stick mode), Type (model type), Thro Cuv and Pitch Cuv (throttle and pitch curves, NOR and ID), Swash Afr (swash mixing of CH1, CH2 and CH6) and MIX. (three program mixes); the two curves and Swash Afr are for helicopter types only. Switch Program: Switch A and Switch B choose DR, ThroCut or NOR/ID, VR(A) and VR(B) choose Pith Adjust. The live display shows CH1 to CH6 as bars that follow the sticks. Every editor sends the settings to the transmitter when it is closed with OK.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::MainDialog</name>
    <message>
        <source>Models…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelorin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GetUser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndPoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SubTrim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thro Cuv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pitch Cuv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swash Afr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIX.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VR(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VR(B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StartAdjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StopAdjust</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::ModelsWindow</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readable model (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file, 67 bytes (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stick mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free text kept with the selected model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep transmitter&apos;s settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store the transmitter&apos;s current settings as a new model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send to transmitter…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show what changes, then send the selected model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the fields in which two models, or a model and the transmitter, differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the selected model another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected model under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected models to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add settings files (67-byte or readable) to the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the selected model as a readable or a 67-byte file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) in %1 cannot be read; hover over them for the reason.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Models are kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✔ holds this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmitter&apos;s settings equal this model&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep transmitter&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to transmitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending &quot;%1&quot; changes these settings of the transmitter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitter now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::MonitorWindow</name>
    <message>
        <source>Record to CSV File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a percentage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The auxiliary word, as the transmitter sends it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word: as received (1000..2100). Value: word - 1512. Percent: value as a share of 512 (word 1000 is -100 %, 2024 is +100 %).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last good frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;No data&quot; when no good frame has come for a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good live frames per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live frames dropped since this window opened (a bad checksum or a channel word above 2100), and how many per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings frames received since this window opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time since the last good live frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port in use and its device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 10 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>–</source>
        <comment>no value yet</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 /s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>– /s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, no device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not open
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Recording to %1: %n frame(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record to a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording; the file keeps every frame so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every good frame to a CSV file: time in ms, the six channel words and the auxiliary word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume the trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause the trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let the trace run again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the trace still to look at it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::PitchCurveDialog</name>
    <message>
        <source>Pitch Curv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::PortAdviceTexts</name>
    <message>
        <source>process %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModemManager looks at every new serial adapter for a few seconds after it is plugged in. Wait a moment and try again, or stop it:
    sudo systemctl stop ModemManager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brltty takes some USB serial adapters for Braille displays. If no Braille display is used on this computer, remove it:
    sudo apt remove brltty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close %1, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: no serial port of this computer has that number.

Connect the transmitter (or start the virtual transmitter pelorin-txsim), then name its port with --port (pelorin-cli ports lists them).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: no serial port of this computer has that number.

Connect the transmitter (or start the virtual transmitter pelorin-txsim), then choose its port with the Setting button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist (%2).

Check that the transmitter is plugged in, then name its port with --port (pelorin-cli ports lists them).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: the device does not exist (%2).

Check that the transmitter is plugged in, then choose its port with the Setting button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.

Your user account is not allowed to use serial ports. Add it to the dialout group:
    sudo usermod -aG dialout $USER
then log out and log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is also held by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: the port is in use (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is held by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program holds it open, for example ModemManager or a serial terminal. Close that program (or stop ModemManager) and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To see which program it is:
    sudo fuser -v %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the connection was lost (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the connection was lost (%2). The port has been closed; use the Setting button to open it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::PortDiscoveryTexts</name>
    <message>
        <source>serial %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual transmitter on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual transmitter (gone: %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::PortSpecTexts</name>
    <message>
        <source>There is no port COM%1; the port numbers are COM1 to COM%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 has no device: no serial port was found on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 has no device on this computer; the ports found are COM1 to COM%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 leads to %2, which does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not among the serial ports found on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a port number (COM1 to COM%2), a device path, nor the name of a serial port or virtual transmitter found on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No port given: write a port number such as COM1, a device path such as /dev/ttyUSB0, or the name of a virtual transmitter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::ProgramMixDialog</name>
    <message>
        <source>PROGRAM MIX</source>
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
        <source>Mix Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIX 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIX 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIX 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Des</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VR A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VR B</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::QtSerialControl</name>
    <message>
        <source>There is no port number %1; the ports are COM1 to COM%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open; the port number cannot be changed while the port is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input buffer size %1 (1 to %2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid output buffer size %1 (1 to %2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid receive threshold %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input length %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid line settings &quot;%1&quot;: expected baud rate, parity, data bits and stop bits, such as &quot;115200,n,8,1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link leads to %1, which is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nothing can be sent, the port is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nothing was sent, the output buffer is full (the device takes no data).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the data could not be sent: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device was removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the other end hung up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opened exclusively by another program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::ReverseDialog</name>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOR</source>
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
        <source>%1 NOR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::SaveFileTexts</name>
    <message>
        <source>Cannot save “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::SerialErrorReporter</name>
    <message>
        <source>One more serial error followed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more serial errors followed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::SerialSettingDialog</name>
    <message>
        <source>Serial Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port</source>
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
</context>
<context>
    <name>pelorin::StickModeDialog</name>
    <message>
        <source>Stick Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODEL1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODEL2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODEL3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODEL4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sticks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left stick: elevator and rudder. Right stick: throttle and aileron.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left stick: throttle and rudder. Right stick: elevator and aileron.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left stick: elevator and aileron. Right stick: throttle and rudder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left stick: throttle and aileron. Right stick: elevator and rudder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::SubTrimDialog</name>
    <message>
        <source>SubTrim</source>
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
</context>
<context>
    <name>pelorin::SwashAfrDialog</name>
    <message>
        <source>Swash AFR</source>
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
</context>
<context>
    <name>pelorin::SwitchSelectDialog</name>
    <message>
        <source>Switch Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Function For  Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW On:</source>
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
        <source>NULL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ThroCut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOR/ID</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::SystemMenu</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::ThrottleCurveDialog</name>
    <message>
        <source>Thro Curv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::TransmitterLink</name>
    <message>
        <source>No serial port of this computer opens. Connect the transmitter (or start the virtual transmitter pelorin-txsim), or name its port with --port; &quot;pelorin-cli ports&quot; shows every port and why it does not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n settings frame(s) arrived with a wrong checksum: the line is disturbed (cable, plug, or another program sending on it).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Live channel frames arrive, so the transmitter is there but did not send its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing arrived: check that the transmitter is switched on and connected to this port.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::TypeDialog</name>
    <message>
        <source>Type</source>
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
        <source>ACRO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELI-120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELI-90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HELI-140</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::UserSelectDialog</name>
    <message>
        <source>Type Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
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
        <source>USER1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USER2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::VrSelectDialog</name>
    <message>
        <source>VR Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Function For  VR</source>
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
        <source>VR function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NULL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pith Adjust</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::models::ModelFormatTexts</name>
    <message>
        <source>a whole number %1..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of %1, or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value of this field; expected %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is out of range; expected %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a text in double quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: field &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid JSON at line %1, column %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a model: the JSON is not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected the number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format version %1; this program reads version %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected an object with one key per field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a settings file: it is %1 bytes long, and a settings file is exactly %2 bytes or a model in JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read: not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a settings file: larger than 1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelorin::models::ModelLibrary</name>
    <message>
        <source>The model folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model folder %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a model in JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A model needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A model named &quot;%1&quot; already exists (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the model is no longer in the library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2); the file is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
