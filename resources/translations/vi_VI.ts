<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VI">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>Giới thiệu Kestrova Bootable</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Bản quyền © 2016 Brevane. Bảo lưu mọi quyền.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane và biểu trưng Brevane là thương hiệu của Brevane tại Hoa Kỳ và các quốc gia khác.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable cung cấp bộ tiện ích chẩn đoán cơ bản trong một môi trường độc lập với hệ điều hành đã cài đặt. Nhờ đó, bạn có thể kiểm tra, chẩn đoán và có thể sửa chữa ổ cứng, ngay cả khi không truy cập được môi trường hệ điều hành.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>Thỏa thuận cấp phép</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Xong</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>Cảnh báo</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>CẢNH BÁO!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>Menu kiểm tra nâng cao có các tùy chọn có thể xóa dữ liệu của bạn hoặc khiến ổ đĩa không dùng được trên hệ thống. Nếu tiếp tục, bạn có thể mất dữ liệu.

Hãy sao lưu mọi dữ liệu quan trọng trước khi dùng bất kỳ kiểm tra nâng cao nào.

Brevane không chịu trách nhiệm về dữ liệu người dùng bị mất.

Vui lòng đọc tệp trợ giúp hoặc liên hệ Bộ phận Hỗ trợ Kỹ thuật của Brevane trước khi dùng các kiểm tra nâng cao.

Nhấn F8 để bật các kiểm tra nâng cao. Nhấn Hủy để quay lại các kiểm tra cơ bản.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Liên hệ Bộ phận Hỗ trợ Kỹ thuật của Brevane</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>Đóng</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>Bạn có muốn đóng ứng dụng không? (Có kiểm tra đang chạy)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>Thỏa thuận cấp phép</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>Tôi không chấp nhận</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>Tôi chấp nhận</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Xong</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>Xóa phạm vi</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA tối đa:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Bắt đầu:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Kết thúc:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>Xóa theo thời gian</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>LBA tối đa:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>LBA bắt đầu:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>Đơn vị thời gian:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>giờ</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>phút</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>giây</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>Thời lượng:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - Trợ giúp</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>Biểu mẫu</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>Thông tin ổ đĩa</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Đã lưu thông tin ổ đĩa</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>Thông tin và kết quả kiểm tra</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>Số mẫu</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Số sê-ri</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>Phiên bản firmware</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>LBA tối đa</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>Quản lý nguồn bắt buộc</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>Chế độ bảo mật</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>Hỗ trợ địa chỉ 48 bit</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>Quản lý nguồn nâng cao</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>Hỗ trợ tự kiểm tra SMART</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>Hỗ trợ ghi nhật ký lỗi SMART</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>Nhiệt độ ổ (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>Số giờ hoạt động</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>Kích thước bộ nhớ đệm</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>Hỗ trợ ghi nhật ký đa dụng (GPL)</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>Trạng thái bảo mật</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>Tải microcode</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>Khóa bảo mật</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>Được hỗ trợ</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>Không được hỗ trợ</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>Đã bật</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>Đã tắt</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>Đã tắt</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Có</translation>
        </message>
        <message>
            <source>False</source>
            <translation>Không</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Không rõ</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>Không báo cáo</translation>
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
            <translation>Đã đóng băng</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>Chưa đóng băng</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>Phân đoạn</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>Không phân đoạn</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>Hoãn</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>Không hoãn</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Dung lượng</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>Kích thước sector</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>Phiên bản NVMe</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ID không gian tên</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>Định dạng LBA đang dùng</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>Tự kiểm tra thiết bị</translation>
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
            <translation>Cảnh báo nghiêm trọng</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>Nhiệt độ tổng hợp (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>Dự phòng còn lại</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>Ngưỡng dự phòng còn lại</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>Phần trăm đã dùng</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>Dữ liệu đã đọc</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>Dữ liệu đã ghi</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>Số lần bật nguồn</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>Số lần tắt không an toàn</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>Lỗi phương tiện và toàn vẹn dữ liệu</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>Mục trong nhật ký lỗi</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>Sức khỏe và tự kiểm tra</translation>
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
            <translation>Logic %1 byte, vật lý %2 byte</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>Không có: ổ đĩa được truy cập như một thiết bị khối đơn giản</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>Trước 1.2</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>Định dạng %1: %2 byte, %3 byte siêu dữ liệu</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>Định dạng %1: %2 byte</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>Xóa khối</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Xóa bằng mã hóa</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Ghi đè</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>Xóa dữ liệu người dùng</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>Dự phòng còn lại dưới ngưỡng</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>Nhiệt độ ngoài ngưỡng</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>Độ tin cậy suy giảm</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>Phương tiện chỉ đọc</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>Sao lưu bộ nhớ khả biến bị lỗi</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>Vùng bộ nhớ bền vững không đáng tin cậy</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>Cảnh báo không xác định 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Không có</translation>
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
            <translation>Tiếng Việt</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>Tiến độ kiểm tra</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>Mẫu</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>Số sê-ri</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>Phiên bản</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>Danh sách ổ đĩa</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Tệp</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>&amp;Quét lại</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>Kiểm tra &amp;cơ bản</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>Tính năng &amp;nâng cao</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>N&amp;gôn ngữ</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>T&amp;rợ giúp</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>T&amp;hoát</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;Giới thiệu</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>&amp;Xem nhật ký</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>&amp;Lưu nhật ký...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>Lưu nhật ký</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>&amp;Kiểm tra S.M.A.R.T.</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>Kiểm tra S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>&amp;Tự kiểm tra ngắn của ổ</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>Kiểm tra chung &amp;ngắn</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Kiểm tra chung ngắn</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>Kiểm tra chung &amp;dài</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Nhanh</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Dài</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>Dừng quay</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>Đặt LBA tối đa</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>Xóa</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>Ghi đè toàn bộ</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>Xóa rãnh 0</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>Phạm vi</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Thời gian</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Ghi đè</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>Mã hóa</translation>
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
            <translation>Sẽ tắt máy khi các thao tác đang chạy đã dừng</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>Chọn ngôn ngữ</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>Cảnh báo</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>Không thể lưu tệp.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>USB của bạn có thể đã đầy.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>Cảnh báo</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>Thao tác này sẽ thay đổi (các) ổ đĩa đã chọn và có thể ghi đè dữ liệu của bạn. Brevane không chịu trách nhiệm về việc mất dữ liệu. Nhấn F8 để tiếp tục.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>Cảnh báo</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>Thao tác này sẽ thay đổi (các) ổ đĩa đã chọn và có thể ghi đè dữ liệu của bạn. Brevane không chịu trách nhiệm về việc mất dữ liệu. Nhấn F8 để tiếp tục.

Khi kiểm tra này bắt đầu, bạn cần đợi đến khi quá trình thực hiện kết thúc. Quá trình sẽ kéo dài vài giờ.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>KHÔNG THỂ CHẠY</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>ĐẠT</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>LỖI</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>KHÔNG THỂ CHẠY</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>ĐANG THỰC HIỆN</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ĐÃ HỦY</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Quét vùng ngoài</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Quét vùng trong</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Đọc ngẫu nhiên</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>LÀM SẠCH THẤT BẠI</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>Kiểm tra</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>Lưu</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Đã lưu thông tin ổ đĩa</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>Đặt LBA tối đa</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>LBA tối đa hiện tại:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>Số LBA tối đa mới:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>Khôi phục dung lượng gốc</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Hủy</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>Kiểm tra đọc lại: các sector chưa được xóa</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>Kiểm tra đọc lại: ổ đĩa ngừng phản hồi</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>Kiểm tra chung ngắn</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>Kiểm tra chung dài</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>Tự kiểm tra ngắn của ổ</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>Kiểm tra S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>Tự kiểm tra ngắn của ổ</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>Kiểm tra S.M.A.R.T.</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>Quét vùng ngoài</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>Quét vùng trong</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>Đọc ngẫu nhiên</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>Xóa toàn bộ</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>Đã sửa</translation>
        </message>
        <message>
            <source>started</source>
            <translation>đã bắt đầu</translation>
        </message>
        <message>
            <source>True</source>
            <translation>Có</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>LỖI</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>ĐÃ HỦY</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>ĐẠT</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>KHÔNG THỂ CHẠY</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>ĐANG THỰC HIỆN</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>Người dùng đã hủy kiểm tra</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>Đã lưu thông tin ổ đĩa</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>Đặt LBA tối đa</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>Số LBA tối đa hiện tại:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Tối đa mới</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>Khôi phục dung lượng gốc</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>Bắt đầu:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>Kết thúc:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All Dài</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All Nhanh</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>Làm sạch thất bại: ổ đĩa cần được làm sạch lại</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>Không ghi được</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>Ổ đĩa không hỗ trợ thao tác này</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>Ổ đĩa đã ngừng phản hồi</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>Ổ đĩa đã ngừng phản hồi tại LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>Ổ đĩa từ chối đọc tại LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>Các sector không đọc được:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>Ổ đĩa không đọc được các sector từ LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>Ổ đĩa từ chối ghi tại LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>Ổ đĩa từ chối ghi</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>Ổ đĩa báo lỗi, mã thư viện:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>Thuộc tính SMART vượt ngưỡng:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>Trạng thái SMART của ổ đĩa dự báo hỏng</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>Nhật ký sức khỏe của ổ đĩa có cảnh báo nghiêm trọng:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>Tự kiểm tra thất bại:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>Tự kiểm tra không kết thúc kịp thời</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>Ổ đĩa không báo công việc đã hoàn tất</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>Ổ đĩa không báo dung lượng</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>Phạm vi không chứa sector nào</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>Ổ đĩa đã ngừng tiến triển</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>Nhật ký tự kiểm tra không nêu LBA lỗi nào</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>Quá nhiều sector cần sửa:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID sai</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>Chẩn đoán trong ổ đĩa báo lỗi:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>Lý do:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>Đã ghi lại</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>Chương trình bắt đầu</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>Chương trình kết thúc</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>BỊ GIÁN ĐOẠN: chương trình kết thúc trước khi thao tác xong</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>Xem nhật ký</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>Biểu mẫu</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>Đổi hình ảnh</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>còn lại</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>Lỗi</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>hoàn tất</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>Tối đa mới</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>Nhật ký chỉ được lưu trong bộ nhớ</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>Không thể ghi vào phương tiện khởi động, vì vậy nhật ký ổ đĩa được lưu trong bộ nhớ và sẽ mất khi tắt máy.

Để giữ lại, hãy nhấn Alt+F4 trong cửa sổ chính để mở cửa sổ dòng lệnh và sao chép các tệp trong /logs sang một phương tiện khác.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>Phương tiện khởi động</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>Chương trình chạy từ ổ đĩa này và ghi nhật ký lên đó. Các thao tác thay đổi hoặc dừng ổ đĩa sẽ không được thực hiện trên ổ này.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>Ổ đĩa %1 là phương tiện mà chương trình này đang chạy từ đó và chứa các nhật ký. Các thao tác thay đổi hoặc dừng ổ đĩa sẽ không được thực hiện trên ổ này.

Hãy bỏ chọn ổ này và chọn lại thao tác cho các ổ đĩa khác.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>Không tìm thấy ổ đĩa nào.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>Hãy kết nối ổ đĩa và nhấn “Quét lại”; ổ đĩa vừa được bật có thể cần vài giây.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>Hãy kiểm tra cáp dữ liệu và cáp nguồn của ổ đĩa đã được cắm chặt ở cả hai đầu, hoặc thử cổng hay cáp khác.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>Nếu ổ đĩa đã được kết nối nhưng không có trong danh sách, chế độ lưu trữ của firmware có thể đang ẩn nó: hãy chuyển chế độ SATA từ RAID sang AHCI trong phần cài đặt firmware rồi khởi động lại máy.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>Không tìm thấy ổ đĩa nào ngoài phương tiện khởi động.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>Kết quả: đang kết nối tới %1</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>Kết quả: đã gửi hết tới %1</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>Kết quả: %1 tệp đang chờ gửi tới %2</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>Kết quả: gửi tới %1 thất bại (%2); %3 tệp đang chờ, sẽ thử lại</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>Kết quả chỉ được lưu trong tệp cục bộ: %1 không phải là địa chỉ http:// hoặc https:// hợp lệ</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>Kết quả chỉ được lưu trong tệp cục bộ: chứng chỉ của %1 bị từ chối (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>Không thể lưu danh sách kết quả cần gửi: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>Kết quả: không thể kết nối tới %1 (%2); sẽ thử lại</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>Chứng nhận xóa dữ liệu</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>Người thực hiện xóa dữ liệu</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>Người vận hành</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>Tổ chức</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>Thông tin phương tiện</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>Nhà sản xuất</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Kiểu máy</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>Số sê-ri</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>Phần sụn</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>Loại phương tiện</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Nguồn</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>Chi tiết xóa dữ liệu</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>Hạng mục</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>Xóa sạch</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>Tẩy hoàn toàn</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>Phương pháp sử dụng</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>Ghi đè</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>Xóa bằng mật mã</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>Chi tiết phương pháp</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>Công cụ sử dụng</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>Phương pháp kiểm tra</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>Toàn bộ: đọc lại mọi sector</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>Lấy mẫu nhanh: đọc lại các sector</translation>
        </message>
        <message>
            <source>None</source>
            <translation>Không có</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>Kết quả kiểm tra</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>chưa kiểm tra</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>Số sector đã đọc</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>Số chỗ sai khác</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>Bắt đầu</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Ngày</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>SHA-256 của bản ghi kết quả</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Chữ ký</translation>
        </message>
    </context>
</TS>
