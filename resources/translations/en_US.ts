<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>About Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. All rights reserved.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>License agreement</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Done</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>CAUTION</source>
            <translation>WARNING!</translation>
        </message>
        <message>
            <source>Alert</source>
            <translation>Alert</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>The Advanced Tests menu has options that could erase your data or make the drive unusable for your system.  If you continue you could lose data.

Be sure to back up all critical data before using any Advanced Test.
 
Brevane is not responsible for lost user data.

Please read the help files or contact Brevane Technical Support before using Advanced Tests.

Press F8 to enable Advanced Tests. Click Cancel to go back to Basic Tests.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Contact Brevane Technical Support</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>Do you want to close the application? (There are running tests)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>I Accept</source>
            <translation>I accept</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>License agreement</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>I Do Not Accept</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Done</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Erase Range</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>Max LBA:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Start:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>End:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Hours</source>
            <translation>hours</translation>
        </message>
        <message>
            <source>Erase Time</source>
            <translation>Erase Time</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>Max LBA:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA start:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Type of time:</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>minutes</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>seconds</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Set time to test:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova -  Help</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Drive Information</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Drive information saved</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Test Information and Results</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Model Number</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Serial Number</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Firmware Revision</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>Max LBA</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Mandatory Power Management</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Security Mode</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>48-bit Address feature set supported</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Advanced Power Management</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>SMART self-test supported</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>SMART error logging supported</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Drive Temperature (C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Power-On Hours</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Cache Size</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>General Purpose Logging supported</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>Security Status</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Download Microcode</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Security Locked</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Supported</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>Not Supported</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Enabled</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Disabled</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Disable</translation>
        </message>
        <message>
            <source>True</source>
            <translation>True</translation>
        </message>
        <message>
            <source>False</source>
            <translation>False</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Unknown</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>Not Reported</translation>
        </message>
        <message>
            <source>%1 MB</source>
            <translation>%1 MB</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1, %2 </source>
            <translation>%1, %2 </translation>
        </message>
        <message>
            <source>%1, %2, %3</source>
            <translation>%1, %2, %3</translation>
        </message>
        <message>
            <source>Frozen</source>
            <translation>Frozen</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>Not frozen</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Segmented</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>Not Segmented</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Deferred</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>Not Deferred</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Capacity</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Sector Size</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>NVMe Version</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>Namespace ID</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>LBA Format in Use</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Device Self-test</translation>
        </message>
        <message>
            <source>Sanitize</source>
            <translation>Sanitize</translation>
        </message>
        <message>
            <source>Format NVM</source>
            <translation>Format NVM</translation>
        </message>
        <message>
            <source>Critical Warning</source>
            <translation>Critical Warning</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Composite Temperature (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Available Spare</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Available Spare Threshold</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Percentage Used</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Data Read</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Data Written</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Power Cycles</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Unsafe Shutdowns</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Media and Data Integrity Errors</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Error Log Entries</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>Health and Self-test</translation>
        </message>
        <message>
            <source>%1 (%2 GB)</source>
            <translation>%1 (%2 GB)</translation>
        </message>
        <message>
            <source>%1 GB</source>
            <translation>%1 GB</translation>
        </message>
        <message>
            <source>Logical %1 bytes, physical %2 bytes</source>
            <translation>Logical %1 bytes, physical %2 bytes</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>Not available: the drive is reached as a plain block device</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>Before 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Format %1: %2 bytes, %3 bytes of metadata</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Format %1: %2 bytes</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Block Erase</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Crypto Erase</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Overwrite</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>User Data Erase</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Available spare below threshold</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Temperature outside its thresholds</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Reliability degraded</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Media read-only</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Volatile memory backup failed</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Persistent memory region unreliable</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Unknown warning 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>None</translation>
        </message>
        <message>
            <source>%1 %</source>
            <translation>%1 %</translation>
        </message>
    </context>
    <context>
        <name>KV4L</name>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Erase Track ZERO</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fast</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Long</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Set Max LBA</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Test Progress</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Model ID</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Serial Number</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Revision</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Drive List</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Rescan</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>&amp;Basic Tests</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>&amp;Advanced Features</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Language</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;About</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;View Log</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>&amp;Save Log...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Save Log</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>S.M.A.R.T. &amp;Check</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>S.M.A.R.T Check</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>Short &amp;Drive Self Test</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>&amp;Short Generic Test</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Short Generic Test</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>&amp;Long Generic Test</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Spin Down</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Erase</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Overwrite Full</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Range</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Overwrite</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>Crypto</translation>
        </message>
        <message>
            <source>IDD 70</source>
            <translation>IDD 70</translation>
        </message>
        <message>
            <source>IDD 71</source>
            <translation>IDD 71</translation>
        </message>
        <message>
            <source>Powering off once the running operations have stopped</source>
            <translation>Powering off once the running operations have stopped</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Select Language</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>Alert</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>The file cannot be saved.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>Your USB key may be full.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>Alert</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Alert</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finishes. It will continue for several hours.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>UNABLE TO RUN</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>PASS</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FAIL</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>UNABLE TO RUN</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>IN PROGRESS</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ABORTED</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Outer Scan</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Inner Scan</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Random Read</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>SANITIZE FAILED</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Verification</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Drive information saved</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>New Maximum LBA:</source>
            <translation>New maximum LBA count:</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Set Max LBA</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>Current Maximum LBA:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Restore Native Capacity</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>Ok</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Read-back verification: sectors not erased</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Read-back verification: the drive stopped answering</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Short Generic</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Long Generic</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Short Drive Self Test</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>S.M.A.R.T. Check</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Short Drive Self Test</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>S.M.A.R.T. Check</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Outer Scan</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Inner Scan</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Random Read</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Full Erase</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Fixed</translation>
        </message>
        <message>
            <source>started</source>
            <translation>Started</translation>
        </message>
        <message>
            <source>True</source>
            <translation>True</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FAIL</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ABORTED</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>PASS</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>UNABLE TO RUN</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>IN PROGRESS</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Test Aborted by User</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Drive information saved</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Set Max LBA</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Current maximum LBA count:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>New max</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Restore Native capacity</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Start:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>End:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Long</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Fast</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>Sanitize failed: the drive needs a new sanitize</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>Could not write</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>The drive does not offer this operation</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>The drive stopped answering</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>The drive stopped answering at LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>The drive refused the read at LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Unreadable sectors:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>The drive could not read the sectors from LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>The drive refused the write at LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>The drive refused the write</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>The drive reported a failure, library code:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>SMART attribute past its threshold:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>The drive's SMART status predicts a failure</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>The drive's health log sets a critical warning:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>The self-test failed:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>The self-test did not end in time</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>The drive did not report the work completed</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>The drive reports no capacity</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>The range holds no sector</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>The drive stopped making progress</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>The self-test log names no failing LBA</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Too many sectors to repair:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>Wrong PSID</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>The in-drive diagnostic reported a failure:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Reason:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Rewritten</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Program started</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Program ended</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>INTERRUPTED: the program ended before the operation did</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>View Log</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>Ok</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>Form</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>change image</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>remaining</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>complete</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>New max</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Logs kept in memory</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Boot medium</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>No drive was found.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>No drive was found besides the boot medium.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Results: connecting to %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Results: all sent to %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Results: %1 waiting to be sent to %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Results: sending to %1 failed (%2); %3 waiting, trying again</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>Results stay in local files only: %1 is not a valid http:// or https:// address</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>Results stay in local files only: the certificate of %1 was refused (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>The list of results to send could not be saved: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Results: %1 cannot be reached (%2); trying again</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Certificate of Sanitization</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Person performing sanitization</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Operator</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Organisation</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Media information</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Manufacturer</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Serial number</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Media type</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Sanitization details</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Clear</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Purge</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Method used</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Overwrite</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Crypto Erase</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Method details</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Tool used</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Verification method</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Full: every sector read back</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Quick sampling: sectors read back</translation>
        </message>
        <message>
            <source>None</source>
            <translation>None</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Verification result</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>not verified</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Sectors read</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Mismatches</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Started</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>Results record SHA-256</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Signature</translation>
        </message>
    </context>
</TS>
