<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>关于 Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>版权所有 © 2016 Brevane。保留所有权利。</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane 和 Brevane 徽标是 Brevane 在美国和其他国家/地区的商标。</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable 在独立于已安装操作系统的环境中提供一套基本的诊断工具。即使无法进入操作系统环境，您也可以测试、诊断并可能修复硬盘。</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>许可协议</translation>
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
            <translation>高级测试菜单中的选项可能会擦除您的数据，或使驱动器在您的系统中无法使用。如果继续，您可能会丢失数据。

在使用任何高级测试之前，请务必备份所有重要数据。

Brevane 对丢失的用户数据不承担任何责任。

在使用高级测试之前，请阅读帮助文件或联系 Brevane 技术支持。

按 F8 启用高级测试。单击“取消”返回基本测试。</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>联系 Brevane 技术支持</translation>
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
            <translation>关闭</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>是否关闭应用程序？（有测试正在运行）</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
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
            <translation>许可协议</translation>
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
            <translation>擦除范围</translation>
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
            <translation>结束：</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>确定</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>定时擦除</translation>
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
            <translation>时间单位：</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>小时</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>分钟</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>秒</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>测试时长：</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>确定</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - 帮助</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>窗体</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>驱动器信息</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>驱动器信息已保存</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>测试信息和结果</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>型号</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>序列号</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>固件版本</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>最大 LBA</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>强制电源管理</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>安全模式</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>48 位寻址支持</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>高级电源管理</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>SMART 自检支持</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>SMART 错误日志支持</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>驱动器温度 (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>通电时间</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>缓存大小</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>通用日志 (GPL) 支持</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>安全状态</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>微码下载</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>安全锁定</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>支持</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>不支持</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>已启用</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>已禁用</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>已禁用</translation>
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
            <translation>未报告</translation>
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
            <translation>已冻结</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>未冻结</translation>
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
            <translation>延迟</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>不延迟</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>容量</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>扇区大小</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>NVMe 版本</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>命名空间 ID</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>使用中的 LBA 格式</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>设备自检</translation>
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
            <translation>严重警告</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>综合温度 (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>可用备用空间</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>可用备用空间阈值</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>已用百分比</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>读取的数据</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>写入的数据</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>通电次数</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>不安全关机</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>介质和数据完整性错误</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>错误日志条目</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>健康状况和自检</translation>
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
            <translation>逻辑 %1 字节，物理 %2 字节</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>不可用：该驱动器作为普通块设备访问</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>早于 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>格式 %1：%2 字节，%3 字节元数据</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>格式 %1：%2 字节</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>块擦除</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>加密擦除</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>覆盖写入</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>用户数据擦除</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>可用备用空间低于阈值</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>温度超出阈值</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>可靠性下降</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>介质只读</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>易失性存储器备份失败</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>持久存储区域不可靠</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>未知警告 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>无</translation>
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
            <translation>简体中文</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>测试进度</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>型号</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>序列号</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>版本</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>驱动器列表</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>重新扫描(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>基本测试(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>高级功能(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>语言(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>帮助(&amp;H)</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>退出(&amp;X)</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>关于(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>查看日志(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>保存日志(&amp;S)...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>保存日志</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>S.M.A.R.T. 检查(&amp;C)</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>S.M.A.R.T. 检查</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>驱动器短自检(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>短通用测试(&amp;S)</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>短通用测试</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>长通用测试(&amp;L)</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>快速</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>长时</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>停转</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>设置最大 LBA</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>擦除</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>全盘覆盖</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>擦除零磁道</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>范围</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>时间</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>覆盖</translation>
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
            <translation>正在运行的操作停止后将关机</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>选择语言</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>确定</translation>
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
            <translation>无法保存文件。</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>您的 U 盘可能已满。</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>确定</translation>
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
            <translation>此操作将修改所选驱动器，并可能覆盖您的数据。Brevane 对数据丢失不承担任何责任。按 F8 继续。</translation>
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
            <translation>此操作将修改所选驱动器，并可能覆盖您的数据。Brevane 对数据丢失不承担任何责任。按 F8 继续。

此测试开始后，您需要等待执行完成。它将持续数小时。</translation>
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
            <translation>无法运行</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>通过</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>失败</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>无法运行</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>进行中</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>已中止</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>外圈扫描</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>内圈扫描</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>随机读取</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>清除失败</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>校验</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>保存</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>驱动器信息已保存</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>设置最大 LBA</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>当前最大 LBA：</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>新的最大 LBA 数：</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>恢复原始容量</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>确定</translation>
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
            <translation>回读校验：扇区未擦除</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>回读校验：驱动器停止响应</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>短通用测试</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>长通用测试</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>驱动器短自检</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>S.M.A.R.T. 检查</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>驱动器短自检</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>S.M.A.R.T. 检查</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>外圈扫描</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>内圈扫描</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>随机读取</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>完全擦除</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>已修复</translation>
        </message>
        <message>
            <source>started</source>
            <translation>已开始</translation>
        </message>
        <message>
            <source>True</source>
            <translation>是</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>失败</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>已中止</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>通过</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>无法运行</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>进行中</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>测试已被用户中止</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>驱动器信息已保存</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>设置最大 LBA</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>当前最大 LBA 数：</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>新的最大</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>恢复原始容量</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>起始：</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>结束：</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All 长时</translation>
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
            <translation>清除失败：驱动器需要重新清除</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>无法写入</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>驱动器不提供此操作</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>驱动器停止响应</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>驱动器停止响应于 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>驱动器拒绝读取 LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>不可读扇区:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>驱动器无法读取自此 LBA 起的扇区:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>驱动器拒绝写入 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>驱动器拒绝写入</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>驱动器报告失败，库代码:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>超过阈值的 SMART 属性:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>驱动器的 SMART 状态预示故障</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>驱动器的健康日志显示严重警告:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>自检失败:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>自检未按时结束</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>驱动器未报告工作已完成</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>驱动器未报告容量</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>该范围不含任何扇区</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>驱动器停止进展</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>自检日志未指出失败的 LBA</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>需要修复的扇区过多:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID 错误</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>驱动器内部诊断报告失败:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>原因:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>已重写</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>程序已启动</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>程序已结束</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>已中断: 程序在操作结束前已结束</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>查看日志</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>窗体</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>更改图像</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>剩余</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>错误</translation>
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
            <translation>日志仅保存在内存中</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>无法写入启动介质，因此驱动器日志保存在内存中，关机后将会丢失。

如需保留，请在主窗口中按 Alt+F4 打开终端，并将 /logs 中的文件复制到其他介质。</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>启动介质</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>程序从此驱动器运行，并将日志写入其中。更改或停止驱动器的操作不会在其上运行。</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>驱动器 %1 是运行此程序的介质，并保存着日志。更改或停止驱动器的操作不会在其上运行。

请取消勾选它，然后为其他驱动器重新选择该操作。</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>未找到驱动器。</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>请连接驱动器并按“重新扫描”；刚通电的驱动器可能需要几秒钟。</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>请检查驱动器的数据线和电源线两端是否插牢，或者换一个端口或线缆试试。</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>如果驱动器已连接但未列出，固件的存储模式可能将其隐藏：请在固件设置中将 SATA 模式从 RAID 改为 AHCI，然后重新启动机器。</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>除启动介质外未找到驱动器。</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>结果：正在连接 %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>结果：已全部发送到 %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>结果：%1 个等待发送到 %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>结果：发送到 %1 失败（%2）；%3 个等待中，将重试</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>结果仅保存在本地文件中：%1 不是有效的 http:// 或 https:// 地址</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>结果仅保存在本地文件中：%1 的证书被拒绝（%2）</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>无法保存待发送结果列表：%1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>结果：无法连接 %1（%2）；将重试</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>数据清除证书</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>执行清除的人员</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>操作员</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>组织</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>介质信息</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>制造商</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>型号</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>序列号</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>固件</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>介质类型</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>来源</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>清除详情</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>类别</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>清除</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>净化</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>使用的方法</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>覆写</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>加密擦除</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>方法详情</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>使用的工具</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>验证方法</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>完整：每个扇区均已回读</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>快速抽样：已回读扇区</translation>
        </message>
        <message>
            <source>None</source>
            <translation>无</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>验证结果</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>未验证</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>已读取扇区</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>不一致</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>开始</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>日期</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>结果记录的 SHA-256</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>签名</translation>
        </message>
    </context>
</TS>
