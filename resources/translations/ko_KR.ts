<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>Kestrova Bootable 정보</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. 모든 권리 보유.</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane 및 Brevane 로고는 미국 및 기타 국가에서 Brevane의 상표입니다.</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable은 설치된 운영 체제와 독립된 환경에서 기본적인 진단 유틸리티 모음을 제공합니다. 운영 체제 환경에 접근할 수 없는 경우에도 하드 드라이브를 테스트하고 진단하며 경우에 따라 복구할 수 있습니다.</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>사용권 계약</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>완료</translation>
        </message>
    </context>
    <context>
        <name>AdvancedFeatures</name>
        <message>
            <source>Alert</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>CAUTION</source>
            <translation>경고!</translation>
        </message>
        <message>
            <source>The Advanced Test index has options that can erase your data or make HD stay unusable on your system. If you still may experience data loss.

Make sure all your critical data has a backup before using any Advanced Test.

Brevane is not responsible for lost user data.

Please read the help files or contact Technical Support Brevane before using Advanced tests.

Press F8 to enable the Advanced Test. Or click cancel to return to the Basic Tests.</source>
            <translation>고급 테스트 메뉴에는 데이터를 지우거나 드라이브를 시스템에서 사용할 수 없게 만들 수 있는 옵션이 있습니다. 계속하면 데이터가 손실될 수 있습니다.

고급 테스트를 사용하기 전에 중요한 데이터를 모두 백업하십시오.

Brevane은 손실된 사용자 데이터에 대해 책임지지 않습니다.

고급 테스트를 사용하기 전에 도움말 파일을 읽거나 Brevane 기술 지원팀에 문의하십시오.

고급 테스트를 사용하려면 F8 키를 누르십시오. 기본 테스트로 돌아가려면 취소를 클릭하십시오.</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Brevane 기술 지원팀에 문의</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>응용 프로그램을 닫으시겠습니까? (실행 중인 테스트가 있습니다)</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>사용권 계약</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>동의하지 않음</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>동의함</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>완료</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>범위 지우기</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>최대 LBA:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>시작:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>끝:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>EraseTime</name>
        <message>
            <source>Erase Time</source>
            <translation>시간 지정 지우기</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>최대 LBA:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>시작 LBA:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>시간 단위:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>시간</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>분</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>초</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>테스트 시간:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>HelpKestrova</name>
        <message>
            <source>HelpKestrova</source>
            <translation>Kestrova - 도움말</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>InfoTags</name>
        <message>
            <source>Form</source>
            <translation>폼</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>드라이브 정보</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>드라이브 정보가 저장되었습니다</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>테스트 정보 및 결과</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>모델 번호</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>일련 번호</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>펌웨어 리비전</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>최대 LBA</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>필수 전원 관리</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>보안 모드</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>48비트 주소 지원</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>고급 전원 관리</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>SMART 자체 테스트 지원</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>SMART 오류 로깅 지원</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>드라이브 온도(°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>전원 켜짐 시간</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>캐시 크기</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>범용 로깅(GPL) 지원</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>보안 상태</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>마이크로코드 다운로드</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>보안 잠금</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>지원됨</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>지원 안 됨</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>사용</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>사용 안 함</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>사용 안 함</translation>
        </message>
        <message>
            <source>True</source>
            <translation>예</translation>
        </message>
        <message>
            <source>False</source>
            <translation>아니요</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>알 수 없음</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>보고되지 않음</translation>
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
            <translation>동결됨</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>동결 안 됨</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>분할</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>분할 안 됨</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>지연</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>지연 안 됨</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>용량</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>섹터 크기</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>NVMe 버전</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>네임스페이스 ID</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>사용 중인 LBA 형식</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>장치 자체 테스트</translation>
        </message>
        <message>
            <source>Sanitize</source>
            <translation>새니타이즈</translation>
        </message>
        <message>
            <source>Format NVM</source>
            <translation>NVM 포맷</translation>
        </message>
        <message>
            <source>Critical Warning</source>
            <translation>심각한 경고</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>종합 온도 (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>사용 가능한 예비 공간</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>예비 공간 임계값</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>사용률</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>읽은 데이터</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>쓴 데이터</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>전원 사이클</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>비정상 종료</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>미디어 및 데이터 무결성 오류</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>오류 로그 항목</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>상태 및 자체 테스트</translation>
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
            <translation>논리 %1바이트, 물리 %2바이트</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>사용할 수 없음: 이 드라이브는 단순 블록 장치로 접근합니다</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>1.2 이전</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>형식 %1: %2바이트, 메타데이터 %3바이트</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>형식 %1: %2바이트</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>블록 삭제</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>암호화 삭제</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>덮어쓰기</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>사용자 데이터 삭제</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>예비 공간이 임계값 미만</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>온도가 임계값 범위를 벗어남</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>신뢰성 저하</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>미디어 읽기 전용</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>휘발성 메모리 백업 실패</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>영구 메모리 영역 신뢰할 수 없음</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>알 수 없는 경고 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>없음</translation>
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
            <translation>한국어</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>테스트 진행률</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>모델 ID</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>일련 번호</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>리비전</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>드라이브 목록</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>파일(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>다시 검색(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>기본 테스트(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>고급 기능(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>언어(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>도움말(&amp;H)</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>종료(&amp;X)</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>정보(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>로그 보기(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>로그 저장(&amp;S)...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>로그 저장</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>S.M.A.R.T. 검사(&amp;C)</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>S.M.A.R.T. 검사</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>짧은 드라이브 자체 테스트(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>짧은 일반 테스트(&amp;S)</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>짧은 일반 테스트</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>긴 일반 테스트(&amp;L)</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>빠르게</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>길게</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>스핀다운</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>최대 LBA 설정</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>지우기</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>전체 덮어쓰기</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>트랙 0 지우기</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>범위</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>시간</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>덮어쓰기</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>암호화</translation>
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
            <translation>실행 중인 작업이 멈추면 전원을 끕니다</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>언어 선택</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>MsgAlert</name>
        <message>
            <source>Alert</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>파일을 저장할 수 없습니다.</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>USB 메모리가 가득 찼을 수 있습니다.</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>MsgDangerous</name>
        <message>
            <source>Alert</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>이 작업은 선택한 드라이브를 변경하며 데이터를 덮어쓸 수 있습니다. Brevane은 데이터 손실에 대해 책임지지 않습니다. 계속하려면 F8 키를 누르십시오.</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>MsgExecution</name>
        <message>
            <source>Alert</source>
            <translation>경고</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.

When this test starts you need to wait until the execution finish. It may last up to 3 hours or more.</source>
            <translation>이 작업은 선택한 드라이브를 변경하며 데이터를 덮어쓸 수 있습니다. Brevane은 데이터 손실에 대해 책임지지 않습니다. 계속하려면 F8 키를 누르십시오.

이 테스트가 시작되면 실행이 끝날 때까지 기다려야 합니다. 몇 시간 동안 계속됩니다.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>실행할 수 없음</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>실패</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>실행할 수 없음</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>진행 중</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>중단됨</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>바깥쪽 검사</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>안쪽 검사</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>무작위 읽기</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>새니타이즈 실패</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>검증</translation>
        </message>
    </context>
    <context>
        <name>SaveMsg</name>
        <message>
            <source>Save</source>
            <translation>저장</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>드라이브 정보가 저장되었습니다</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>최대 LBA 설정</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>현재 최대 LBA:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>새 최대 LBA 수:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>기본 용량 복원</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>확인</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>취소</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>다시 읽기 검증: 지워지지 않은 섹터</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>다시 읽기 검증: 드라이브가 응답하지 않음</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>짧은 일반 테스트</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>긴 일반 테스트</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>짧은 드라이브 자체 테스트</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>S.M.A.R.T. 검사</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>짧은 드라이브 자체 테스트</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>S.M.A.R.T. 검사</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>바깥쪽 검사</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>안쪽 검사</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>무작위 읽기</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>전체 지우기</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>복구됨</translation>
        </message>
        <message>
            <source>started</source>
            <translation>시작됨</translation>
        </message>
        <message>
            <source>True</source>
            <translation>예</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>실패</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>중단됨</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>통과</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>실행할 수 없음</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>진행 중</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>사용자가 테스트를 중단함</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>드라이브 정보가 저장되었습니다</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>최대 LBA 설정</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>현재 최대 LBA 수:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>새 최대</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>기본 용량 복원</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>시작:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>끝:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All 길게</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All 빠르게</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>새니타이즈 실패: 드라이브에 새 새니타이즈가 필요합니다</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>쓸 수 없음:</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>드라이브가 이 작업을 지원하지 않습니다</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>드라이브가 응답을 멈췄습니다</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>드라이브가 응답을 멈춘 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>드라이브가 읽기를 거부한 LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>읽을 수 없는 섹터:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>드라이브가 읽지 못한 섹터의 시작 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>드라이브가 쓰기를 거부한 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>드라이브가 쓰기를 거부했습니다</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>드라이브가 실패를 보고했습니다. 라이브러리 코드:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>임계값을 넘은 SMART 속성:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>드라이브의 SMART 상태가 고장을 예측합니다</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>드라이브의 상태 로그에 심각한 경고가 있습니다:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>자가 테스트 실패:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>자가 테스트가 제시간에 끝나지 않았습니다</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>드라이브가 작업 완료를 보고하지 않았습니다</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>드라이브가 용량을 보고하지 않습니다</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>범위에 섹터가 없습니다</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>드라이브가 더 이상 진행하지 않습니다</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>자가 테스트 로그에 실패한 LBA가 없습니다</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>복구할 섹터가 너무 많습니다:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>잘못된 PSID</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>드라이브 내부 진단이 실패를 보고했습니다:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>이유:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>다시 씀</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>프로그램 시작</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>프로그램 종료</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>중단됨: 작업이 끝나기 전에 프로그램이 종료되었습니다</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>로그 보기</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>확인</translation>
        </message>
    </context>
    <context>
        <name>device</name>
        <message>
            <source>Form</source>
            <translation>폼</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>이미지 변경</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>남음</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>오류</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>완료</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>새 최대</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>로그가 메모리에만 저장됨</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>부팅 매체에 쓸 수 없어 드라이브 로그가 메모리에 저장되며, 전원을 끄면 사라집니다.

로그를 보관하려면 기본 창에서 Alt+F4를 눌러 터미널을 열고 /logs의 파일을 다른 매체에 복사하십시오.</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>부팅 미디어</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>프로그램이 이 드라이브에서 실행되며 로그를 이 드라이브에 기록합니다. 드라이브를 변경하거나 정지하는 작업은 이 드라이브에서 실행되지 않습니다.</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>드라이브 %1은(는) 이 프로그램이 실행되는 미디어이며 로그를 담고 있습니다. 드라이브를 변경하거나 정지하는 작업은 이 드라이브에서 실행되지 않습니다.

선택을 해제하고 다른 드라이브에 대해 작업을 다시 선택하십시오.</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>드라이브를 찾지 못했습니다.</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>드라이브를 연결하고 [다시 검색]을 누르십시오. 방금 전원을 켠 드라이브는 몇 초가 걸릴 수 있습니다.</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>드라이브의 데이터 케이블과 전원 케이블이 양쪽 끝에 단단히 연결되어 있는지 확인하거나 다른 포트나 케이블을 사용해 보십시오.</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>드라이브가 연결되어 있는데도 목록에 없으면 펌웨어의 저장 장치 모드 때문에 보이지 않을 수 있습니다. 펌웨어 설정에서 SATA 모드를 RAID에서 AHCI로 바꾼 다음 컴퓨터를 다시 시작하십시오.</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>부팅 미디어 외에는 드라이브를 찾지 못했습니다.</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>결과: %1에 연결하는 중</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>결과: 모두 %1(으)로 전송됨</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>결과: %1개가 %2(으)로 전송 대기 중</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>결과: %1(으)로 전송 실패 (%2); %3개 대기 중, 다시 시도합니다</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>결과는 로컬 파일에만 남습니다: %1은(는) 올바른 http:// 또는 https:// 주소가 아닙니다</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>결과는 로컬 파일에만 남습니다: %1의 인증서가 거부되었습니다 (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>전송할 결과 목록을 저장할 수 없습니다: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>결과: %1에 연결할 수 없습니다 (%2); 다시 시도합니다</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>데이터 삭제 증명서</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>삭제 수행자</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>작업자</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>조직</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>매체 정보</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>제조사</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>모델</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>일련번호</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>펌웨어</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>매체 유형</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>출처</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>삭제 세부 정보</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>범주</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>삭제</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>완전 삭제</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>사용한 방법</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>덮어쓰기</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>암호화 삭제</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>방법 세부 정보</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>사용한 도구</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>검증 방법</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>전체: 모든 섹터를 다시 읽음</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>빠른 표본 검사: 섹터를 다시 읽음</translation>
        </message>
        <message>
            <source>None</source>
            <translation>없음</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>검증 결과</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>검증 안 됨</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>읽은 섹터</translation>
        </message>
        <message>
            <source>Mismatches</source>
            <translation>불일치</translation>
        </message>
        <message>
            <source>Started</source>
            <translation>시작</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>날짜</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>결과 레코드의 SHA-256</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>서명</translation>
        </message>
    </context>
</TS>
