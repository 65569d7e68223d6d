<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>關於 Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>版權所有 © 2016 Brevane。保留一切權利。</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane 與 Brevane 標誌是 Brevane 在美國及其他國家/地區的商標。</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable 在獨立於已安裝作業系統的環境中提供一套基本診斷公用程式。即使無法進入作業系統環境，您也能測試、診斷並可能修復硬碟。</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>授權合約</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完成</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>警告</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>警告！</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>進階測試功能表中的選項可能會抹除您的資料，或使磁碟機無法在您的系統中使用。如果繼續，您可能會遺失資料。

使用任何進階測試之前，請務必備份所有重要資料。

Brevane 對遺失的使用者資料不負任何責任。

使用進階測試之前，請閱讀說明檔案或聯絡 Brevane 技術支援。

按 F8 啟用進階測試。按一下「取消」返回基本測試。</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>聯絡 Brevane 技術支援</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>關閉</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>要關閉應用程式嗎？（有測試正在執行）</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>授權合約</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>我不接受</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>我接受</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完成</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>抹除範圍</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>最大 LBA：</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>起始：</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>結束：</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>定時抹除</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>最大 LBA：</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>起始 LBA：</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>時間單位：</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>小時</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>分鐘</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>秒</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>測試時間：</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - 說明</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>表單</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>磁碟機資訊</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>磁碟機資訊已儲存</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>測試資訊與結果</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>型號</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>序號</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>韌體修訂版</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>最大 LBA</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>強制電源管理</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>安全性模式</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>48 位元定址支援</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>進階電源管理</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>SMART 自我測試支援</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>SMART 錯誤記錄支援</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>磁碟機溫度 (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>開機時數</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>快取大小</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>一般用途記錄 (GPL) 支援</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>安全性狀態</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>微碼下載</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>安全性鎖定</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>支援</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>不支援</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>已啟用</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>已停用</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>已停用</translation>
        </message>
        <message>
            <source>True</source>
            <translation>是</translation>
        </message>
        <message>
            <source>False</source>
            <translation>否</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>未知</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>未回報</translation>
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
            <translation>已凍結</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>未凍結</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>分段</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>不分段</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>延遲</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>不延遲</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>容量</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>磁區大小</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>NVMe 版本</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>命名空間 ID</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>使用中的 LBA 格式</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>裝置自我測試</translation>
        </message>
        <message>
            <source>Sanitize</source>
            <translation>清除 (Sanitize)</translation>
        </message>
        <message>
            <source>Format NVM</source>
            <translation>NVM 格式化</translation>
        </message>
        <message>
            <source>Critical Warning</source>
            <translation>嚴重警告</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>綜合溫度 (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>可用備用空間</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>可用備用空間臨界值</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>已使用百分比</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>讀取的資料</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>寫入的資料</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>開機次數</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>不安全關機</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>媒體與資料完整性錯誤</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>錯誤記錄項目</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>健康狀態與自我測試</translation>
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
            <translation>邏輯 %1 位元組，實體 %2 位元組</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>無法使用：此磁碟機以一般區塊裝置存取</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>早於 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>格式 %1：%2 位元組，%3 位元組中繼資料</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>格式 %1：%2 位元組</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>區塊抹除</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>加密抹除</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>覆寫</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>使用者資料抹除</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>可用備用空間低於臨界值</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>溫度超出臨界值</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>可靠性降低</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>媒體唯讀</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>揮發性記憶體備份失敗</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>永久記憶體區域不可靠</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>未知警告 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>無</translation>
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
            <translation>繁體中文</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>測試進度</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>型號</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>序號</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>修訂版</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>磁碟機清單</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>檔案(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>重新掃描(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>基本測試(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>進階功能(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>語言(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>說明(&amp;H)</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>結束(&amp;X)</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>關於(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>檢視記錄(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>儲存記錄(&amp;S)...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>儲存記錄</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>S.M.A.R.T. 檢查(&amp;C)</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>S.M.A.R.T. 檢查</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>磁碟機簡短自我測試(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>簡短一般測試(&amp;S)</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>簡短一般測試</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>完整一般測試(&amp;L)</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>快速</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>完整</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>停止轉動</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>設定最大 LBA</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>抹除</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>完整覆寫</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>抹除零磁軌</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>範圍</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>時間</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>覆寫</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>加密</translation>
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
            <translation>正在執行的作業停止後將關機</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>選擇語言</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>警告</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>無法儲存檔案。</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>您的 USB 隨身碟可能已滿。</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>警告</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>此動作將修改所選的磁碟機，並可能覆寫您的資料。Brevane 對資料遺失不負任何責任。按 F8 繼續。</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>警告</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>此動作將修改所選的磁碟機，並可能覆寫您的資料。Brevane 對資料遺失不負任何責任。按 F8 繼續。

此測試開始後，您必須等待執行完成。它將持續數小時。</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>無法執行</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>通過</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>失敗</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>無法執行</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>進行中</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>已中止</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>外圈掃描</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>內圈掃描</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>隨機讀取</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>清除失敗</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>驗證</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>儲存</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>磁碟機資訊已儲存</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>設定最大 LBA</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>目前最大 LBA：</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>新的最大 LBA 數：</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>還原原生容量</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>確定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>回讀驗證：磁區未抹除</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>回讀驗證：磁碟機停止回應</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>簡短一般測試</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>完整一般測試</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>磁碟機簡短自我測試</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>S.M.A.R.T. 檢查</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>磁碟機簡短自我測試</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>S.M.A.R.T. 檢查</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>外圈掃描</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>內圈掃描</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>隨機讀取</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>完整抹除</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>已修復</translation>
        </message>
        <message>
            <source>started</source>
            <translation>已開始</translation>
        </message>
        <message>
            <source>True</source>
            <translation>是</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>失敗</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>已中止</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>通過</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>無法執行</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>進行中</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>使用者已中止測試</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>磁碟機資訊已儲存</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>設定最大 LBA</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>目前最大 LBA 數：</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>新的最大</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>還原原生容量</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>起始：</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>結束：</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All 完整</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All 快速</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>清除失敗：磁碟機需要重新清除</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>無法寫入</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>磁碟機不提供此操作</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>磁碟機停止回應</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>磁碟機停止回應於 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>磁碟機拒絕讀取 LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>無法讀取的磁區:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>磁碟機無法讀取自此 LBA 起的磁區:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>磁碟機拒絕寫入 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>磁碟機拒絕寫入</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>磁碟機回報失敗，程式庫代碼:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>超過臨界值的 SMART 屬性:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>磁碟機的 SMART 狀態預示故障</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>磁碟機的健康記錄顯示嚴重警告:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>自我測試失敗:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>自我測試未按時結束</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>磁碟機未回報工作已完成</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>磁碟機未回報容量</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>該範圍不含任何磁區</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>磁碟機停止進展</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>自我測試記錄未指出失敗的 LBA</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>需要修復的磁區過多:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID 錯誤</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>磁碟機內部診斷回報失敗:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>原因:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>已重寫</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>程式已啟動</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>程式已結束</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>已中斷: 程式在操作結束前已結束</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>檢視記錄</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>確定</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>表單</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>變更影像</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>剩餘</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>錯誤</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>完成</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>新的最大</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>記錄僅保存在記憶體中</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>無法寫入開機媒體，因此磁碟機記錄保存在記憶體中，關機後將會遺失。

如需保留，請在主視窗中按 Alt+F4 開啟終端機，並將 /logs 中的檔案複製到其他媒體。</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>開機媒體</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>程式從此磁碟機執行，並將記錄寫入其中。變更或停止磁碟機的作業不會在其上執行。</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>磁碟機 %1 是執行此程式的媒體，並存有記錄。變更或停止磁碟機的作業不會在其上執行。

請取消勾選它，然後為其他磁碟機重新選擇該作業。</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>找不到磁碟機。</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>請連接磁碟機並按「重新掃描」；剛通電的磁碟機可能需要幾秒鐘。</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>請檢查磁碟機的資料線和電源線兩端是否插牢，或改用其他連接埠或線材。</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>如果磁碟機已連接但未列出，韌體的儲存模式可能將其隱藏：請在韌體設定中將 SATA 模式從 RAID 改為 AHCI，然後重新啟動機器。</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>除開機媒體外找不到磁碟機。</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>結果：正在連線至 %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>結果：已全部傳送至 %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>結果：%1 個等待傳送至 %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>結果：傳送至 %1 失敗（%2）；%3 個等待中，將重試</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>結果僅保存在本機檔案中：%1 不是有效的 http:// 或 https:// 位址</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>結果僅保存在本機檔案中：%1 的憑證遭拒（%2）</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>無法儲存待傳送結果清單：%1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>結果：無法連線至 %1（%2）；將重試</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>資料清除證明書</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>執行清除的人員</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>操作員</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>組織</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>媒體資訊</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>製造商</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>型號</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>序號</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>韌體</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>媒體類型</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>來源</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>清除詳情</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>類別</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>清除</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>淨化</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>使用的方法</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>覆寫</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>加密抹除</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>方法詳情</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>使用的工具</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>驗證方法</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>完整：每個磁區皆已回讀</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>快速抽樣：已回讀磁區</translation>
        </message>
        <message>
            <source>None</source>
            <translation>無</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>驗證結果</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>未驗證</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>已讀取磁區</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>不一致</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>開始</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>日期</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>結果記錄的 SHA-256</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>簽名</translation>
        </message>
    </context>
</TS>
