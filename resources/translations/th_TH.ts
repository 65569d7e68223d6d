<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>เกี่ยวกับ Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>ลิขสิทธิ์ © 2016 Brevane สงวนลิขสิทธิ์</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane และโลโก้ Brevane เป็นเครื่องหมายการค้าของ Brevane ในสหรัฐอเมริกาและประเทศอื่น ๆ</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable มีชุดยูทิลิตีการวินิจฉัยพื้นฐานในสภาพแวดล้อมที่ไม่ขึ้นกับระบบปฏิบัติการที่ติดตั้งไว้ ช่วยให้คุณทดสอบ วินิจฉัย และอาจซ่อมแซมฮาร์ดไดรฟ์ได้ แม้จะเข้าถึงสภาพแวดล้อมของระบบปฏิบัติการไม่ได้ก็ตาม</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>ข้อตกลงการอนุญาตใช้งาน</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>เสร็จสิ้น</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>คำเตือน</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>คำเตือน!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>เมนูการทดสอบขั้นสูงมีตัวเลือกที่อาจลบข้อมูลของคุณหรือทำให้ไดรฟ์ใช้งานกับระบบของคุณไม่ได้ หากดำเนินการต่อ คุณอาจสูญเสียข้อมูล

โปรดสำรองข้อมูลสำคัญทั้งหมดก่อนใช้การทดสอบขั้นสูงใด ๆ

Brevane ไม่รับผิดชอบต่อข้อมูลผู้ใช้ที่สูญหาย

โปรดอ่านไฟล์วิธีใช้หรือติดต่อฝ่ายสนับสนุนทางเทคนิคของ Brevane ก่อนใช้การทดสอบขั้นสูง

กด F8 เพื่อเปิดใช้การทดสอบขั้นสูง หรือคลิก ยกเลิก เพื่อกลับไปยังการทดสอบพื้นฐาน</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>ติดต่อฝ่ายสนับสนุนทางเทคนิคของ Brevane</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>ปิด</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>ต้องการปิดแอปพลิเคชันหรือไม่ (มีการทดสอบที่กำลังทำงานอยู่)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>ตกลง</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>ข้อตกลงการอนุญาตใช้งาน</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>ไม่ยอมรับ</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>ยอมรับ</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>เสร็จสิ้น</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>ลบช่วง</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA สูงสุด:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>เริ่มต้น:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>สิ้นสุด:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ตกลง</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>ลบตามเวลา</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA สูงสุด:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA เริ่มต้น:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>หน่วยเวลา:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>ชั่วโมง</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>นาที</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>วินาที</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>เวลาที่ใช้ทดสอบ:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ตกลง</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - วิธีใช้</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>ตกลง</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>ฟอร์ม</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>ข้อมูลไดรฟ์</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>บันทึกข้อมูลไดรฟ์แล้ว</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>ข้อมูลและผลการทดสอบ</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>หมายเลขรุ่น</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>หมายเลขซีเรียล</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>รุ่นแก้ไขเฟิร์มแวร์</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>LBA สูงสุด</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>การจัดการพลังงานภาคบังคับ</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>โหมดความปลอดภัย</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>การรองรับที่อยู่ 48 บิต</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>การจัดการพลังงานขั้นสูง</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>การรองรับการทดสอบตัวเอง SMART</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>การรองรับการบันทึกข้อผิดพลาด SMART</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>อุณหภูมิไดรฟ์ (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>ชั่วโมงการทำงาน</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>ขนาดแคช</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>การรองรับการบันทึกทั่วไป (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>สถานะความปลอดภัย</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>การดาวน์โหลดไมโครโค้ด</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>การล็อกความปลอดภัย</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>รองรับ</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>ไม่รองรับ</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>เปิดใช้งาน</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>ปิดใช้งาน</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>ปิดใช้งาน</translation>
        </message>
        <message>
            <source>True</source>
            <translation>ใช่</translation>
        </message>
        <message>
            <source>False</source>
            <translation>ไม่ใช่</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>ไม่ทราบ</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>ไม่ได้รายงาน</translation>
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
            <translation>ถูกตรึง</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>ไม่ถูกตรึง</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>แบ่งส่วน</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>ไม่แบ่งส่วน</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>เลื่อนเวลา</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>ไม่เลื่อนเวลา</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>ความจุ</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>ขนาดเซกเตอร์</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>เวอร์ชัน NVMe</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ID เนมสเปซ</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>รูปแบบ LBA ที่ใช้อยู่</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>การทดสอบตัวเองของอุปกรณ์</translation>
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
            <translation>คำเตือนวิกฤต</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>อุณหภูมิรวม (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>พื้นที่สำรองที่เหลือ</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>เกณฑ์พื้นที่สำรองที่เหลือ</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>เปอร์เซ็นต์ที่ใช้ไป</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>ข้อมูลที่อ่าน</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>ข้อมูลที่เขียน</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>จำนวนรอบการเปิดเครื่อง</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>การปิดเครื่องที่ไม่ปลอดภัย</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>ข้อผิดพลาดของสื่อและความสมบูรณ์ของข้อมูล</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>รายการในบันทึกข้อผิดพลาด</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>สุขภาพและการทดสอบตัวเอง</translation>
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
            <translation>ลอจิคัล %1 ไบต์, ฟิสิคัล %2 ไบต์</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>ไม่มีข้อมูล: เข้าถึงไดรฟ์นี้เป็นอุปกรณ์บล็อกธรรมดา</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>ก่อน 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>รูปแบบ %1: %2 ไบต์, เมทาดาทา %3 ไบต์</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>รูปแบบ %1: %2 ไบต์</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>การลบบล็อก</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>การลบด้วยการเข้ารหัส</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>การเขียนทับ</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>การลบข้อมูลผู้ใช้</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>พื้นที่สำรองต่ำกว่าเกณฑ์</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>อุณหภูมิอยู่นอกเกณฑ์</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>ความน่าเชื่อถือลดลง</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>สื่ออ่านได้อย่างเดียว</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>การสำรองหน่วยความจำชั่วคราวล้มเหลว</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>พื้นที่หน่วยความจำถาวรไม่น่าเชื่อถือ</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>คำเตือนที่ไม่รู้จัก 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>ไม่มี</translation>
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
            <translation>ภาษาไทย</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>ความคืบหน้าการทดสอบ</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>รุ่น</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>หมายเลขซีเรียล</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>รุ่นแก้ไข</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>รายการไดรฟ์</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ไฟล์(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>สแกนใหม่(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>การทดสอบพื้นฐาน(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>ฟีเจอร์ขั้นสูง(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>ภาษา(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>วิธีใช้(&amp;H)</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>ออก(&amp;X)</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>เกี่ยวกับ(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>ดูบันทึก(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>บันทึกล็อก(&amp;S)...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>บันทึกล็อก</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>ตรวจสอบ S.M.A.R.T.(&amp;C)</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>ตรวจสอบ S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>การทดสอบตัวเองแบบสั้นของไดรฟ์(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>การทดสอบทั่วไปแบบสั้น(&amp;S)</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>การทดสอบทั่วไปแบบสั้น</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>การทดสอบทั่วไปแบบยาว(&amp;L)</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>แบบเร็ว</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>แบบยาว</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>หยุดหมุน</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>ตั้งค่า LBA สูงสุด</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>ลบ</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>เขียนทับทั้งหมด</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>ลบแทร็กศูนย์</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>ช่วง</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>เวลา</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>เขียนทับ</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>การเข้ารหัส</translation>
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
            <translation>จะปิดเครื่องเมื่อการทำงานที่กำลังดำเนินอยู่หยุดลง</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>เลือกภาษา</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ตกลง</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>คำเตือน</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>ไม่สามารถบันทึกไฟล์ได้</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>USB ของคุณอาจเต็ม</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ตกลง</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>คำเตือน</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>การดำเนินการนี้จะแก้ไขไดรฟ์ที่เลือกและอาจเขียนทับข้อมูลของคุณ Brevane ไม่รับผิดชอบต่อการสูญหายของข้อมูล กด F8 เพื่อดำเนินการต่อ</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>คำเตือน</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>การดำเนินการนี้จะแก้ไขไดรฟ์ที่เลือกและอาจเขียนทับข้อมูลของคุณ Brevane ไม่รับผิดชอบต่อการสูญหายของข้อมูล กด F8 เพื่อดำเนินการต่อ

เมื่อการทดสอบนี้เริ่มขึ้น คุณต้องรอจนกว่าการทำงานจะเสร็จสิ้น ซึ่งจะใช้เวลาหลายชั่วโมง</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>ไม่สามารถเรียกใช้</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>ผ่าน</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ไม่ผ่าน</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>ไม่สามารถเรียกใช้</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>กำลังดำเนินการ</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ยกเลิกแล้ว</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>สแกนด้านนอก</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>สแกนด้านใน</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>อ่านแบบสุ่ม</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>การล้างข้อมูลล้มเหลว</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>การตรวจสอบ</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>บันทึก</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>บันทึกข้อมูลไดรฟ์แล้ว</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>ตั้งค่า LBA สูงสุด</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>LBA สูงสุดปัจจุบัน:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>จำนวน LBA สูงสุดใหม่:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>คืนค่าความจุดั้งเดิม</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>ตกลง</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>ยกเลิก</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>การตรวจสอบด้วยการอ่านกลับ: เซกเตอร์ที่ไม่ถูกลบ</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>การตรวจสอบด้วยการอ่านกลับ: ไดรฟ์หยุดตอบสนอง</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>การทดสอบทั่วไปแบบสั้น</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>การทดสอบทั่วไปแบบยาว</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>การทดสอบตัวเองแบบสั้นของไดรฟ์</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>ตรวจสอบ S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>การทดสอบตัวเองแบบสั้นของไดรฟ์</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>ตรวจสอบ S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>สแกนด้านนอก</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>สแกนด้านใน</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>อ่านแบบสุ่ม</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>ลบทั้งหมด</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>ซ่อมแล้ว</translation>
        </message>
        <message>
            <source>started</source>
            <translation>เริ่มแล้ว</translation>
        </message>
        <message>
            <source>True</source>
            <translation>ใช่</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>ไม่ผ่าน</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ยกเลิกแล้ว</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>ผ่าน</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>ไม่สามารถเรียกใช้</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>กำลังดำเนินการ</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>ผู้ใช้ยกเลิกการทดสอบ</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>บันทึกข้อมูลไดรฟ์แล้ว</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>ตั้งค่า LBA สูงสุด</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>จำนวน LBA สูงสุดปัจจุบัน:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>สูงสุดใหม่</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>คืนค่าความจุดั้งเดิม</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>เริ่มต้น:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>สิ้นสุด:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All แบบยาว</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All แบบเร็ว</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>การล้างข้อมูลล้มเหลว: ไดรฟ์ต้องล้างข้อมูลใหม่</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>เขียนไม่ได้:</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>ไดรฟ์ไม่รองรับการดำเนินการนี้</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>ไดรฟ์หยุดตอบสนอง</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>ไดรฟ์หยุดตอบสนองที่ LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>ไดรฟ์ปฏิเสธการอ่านที่ LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>เซกเตอร์ที่อ่านไม่ได้:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>ไดรฟ์อ่านเซกเตอร์ไม่ได้ตั้งแต่ LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>ไดรฟ์ปฏิเสธการเขียนที่ LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>ไดรฟ์ปฏิเสธการเขียน</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>ไดรฟ์รายงานความล้มเหลว รหัสไลบรารี:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>แอตทริบิวต์ SMART เกินเกณฑ์:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>สถานะ SMART ของไดรฟ์คาดการณ์ว่าจะเสีย</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>บันทึกสุขภาพของไดรฟ์มีคำเตือนวิกฤต:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>การทดสอบตัวเองล้มเหลว:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>การทดสอบตัวเองไม่เสร็จตามเวลา</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>ไดรฟ์ไม่ได้รายงานว่างานเสร็จสมบูรณ์</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>ไดรฟ์ไม่รายงานความจุ</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>ช่วงนี้ไม่มีเซกเตอร์</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>ไดรฟ์หยุดความคืบหน้า</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>บันทึกการทดสอบตัวเองไม่ระบุ LBA ที่ล้มเหลว</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>เซกเตอร์ที่ต้องซ่อมมากเกินไป:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID ไม่ถูกต้อง</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>การวินิจฉัยภายในไดรฟ์รายงานความล้มเหลว:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>เหตุผล:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>เขียนใหม่</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>โปรแกรมเริ่มทำงาน</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>โปรแกรมสิ้นสุด</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>ถูกขัดจังหวะ: โปรแกรมสิ้นสุดก่อนการดำเนินการ</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>ดูบันทึก</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>ตกลง</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>ฟอร์ม</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>เปลี่ยนรูปภาพ</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>เหลือ</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>ข้อผิดพลาด</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>เสร็จ</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>สูงสุดใหม่</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>บันทึกถูกเก็บไว้ในหน่วยความจำเท่านั้น</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>ไม่สามารถเขียนลงสื่อสำหรับบูตได้ บันทึกของไดรฟ์จึงถูกเก็บไว้ในหน่วยความจำและจะสูญหายเมื่อปิดเครื่อง

หากต้องการเก็บไว้ ให้กด Alt+F4 ในหน้าต่างหลักเพื่อเปิดเทอร์มินัล แล้วคัดลอกไฟล์ใน /logs ไปยังสื่ออื่น</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>สื่อบูต</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>โปรแกรมทำงานจากไดรฟ์นี้และเขียนบันทึกลงในไดรฟ์นี้ การดำเนินการที่เปลี่ยนแปลงหรือหยุดไดรฟ์จะไม่ทำงานกับไดรฟ์นี้</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>ไดรฟ์ %1 เป็นสื่อที่โปรแกรมนี้ทำงานอยู่ และเก็บบันทึกไว้ การดำเนินการที่เปลี่ยนแปลงหรือหยุดไดรฟ์จะไม่ทำงานกับไดรฟ์นี้

ยกเลิกการเลือกไดรฟ์นี้ แล้วเลือกการดำเนินการอีกครั้งสำหรับไดรฟ์อื่น</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>ไม่พบไดรฟ์</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>เชื่อมต่อไดรฟ์แล้วกด "สแกนใหม่" ไดรฟ์ที่เพิ่งเปิดเครื่องอาจต้องใช้เวลาสองสามวินาที</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>ตรวจสอบว่าสายข้อมูลและสายไฟของไดรฟ์เสียบแน่นทั้งสองด้าน หรือลองใช้พอร์ตหรือสายอื่น</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>หากเชื่อมต่อไดรฟ์แล้วแต่ไม่แสดงในรายการ โหมดจัดเก็บข้อมูลของเฟิร์มแวร์อาจซ่อนไดรฟ์ไว้ ให้เปลี่ยนโหมด SATA จาก RAID เป็น AHCI ในการตั้งค่าเฟิร์มแวร์ แล้วเปิดเครื่องใหม่</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>ไม่พบไดรฟ์อื่นนอกจากสื่อบูต</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>ผลลัพธ์: กำลังเชื่อมต่อกับ %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>ผลลัพธ์: ส่งไปยัง %1 ครบแล้ว</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>ผลลัพธ์: %1 รายการรอส่งไปยัง %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>ผลลัพธ์: ส่งไปยัง %1 ไม่สำเร็จ (%2); รอ %3 รายการ กำลังลองใหม่</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>ผลลัพธ์เก็บไว้ในไฟล์ในเครื่องเท่านั้น: %1 ไม่ใช่ที่อยู่ http:// หรือ https:// ที่ถูกต้อง</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>ผลลัพธ์เก็บไว้ในไฟล์ในเครื่องเท่านั้น: ใบรับรองของ %1 ถูกปฏิเสธ (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>ไม่สามารถบันทึกรายการผลลัพธ์ที่จะส่งได้: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>ผลลัพธ์: ไม่สามารถติดต่อ %1 ได้ (%2); กำลังลองใหม่</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>ใบรับรองการล้างข้อมูล</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>ผู้ดำเนินการล้างข้อมูล</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>ผู้ปฏิบัติงาน</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>องค์กร</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>ข้อมูลสื่อบันทึก</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>ผู้ผลิต</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>รุ่น</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>หมายเลขซีเรียล</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>เฟิร์มแวร์</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>ประเภทสื่อบันทึก</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>แหล่งที่มา</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>รายละเอียดการล้างข้อมูล</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>หมวดหมู่</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>ล้าง</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>ลบถาวร</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>วิธีที่ใช้</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>เขียนทับ</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>ลบด้วยการเข้ารหัส</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>รายละเอียดวิธีการ</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>เครื่องมือที่ใช้</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>วิธีการตรวจสอบ</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>เต็มรูปแบบ: อ่านกลับทุกเซกเตอร์</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>สุ่มตัวอย่างแบบเร็ว: อ่านกลับบางเซกเตอร์</translation>
        </message>
        <message>
            <source>None</source>
            <translation>ไม่มี</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>ผลการตรวจสอบ</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>ไม่ได้ตรวจสอบ</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>เซกเตอร์ที่อ่าน</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>ความไม่ตรงกัน</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>เริ่มเมื่อ</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>วันที่</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 ของระเบียนผลลัพธ์</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>ลายมือชื่อ</translation>
        </message>
    </context>
</TS>
