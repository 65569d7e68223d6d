<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>About Kestrova Bootable</source>
            <translation>Kestrova Bootable のバージョン情報</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Copyright © 2016 Brevane. All rights reserved.</source>
            <translation>Copyright © 2016 Brevane. 無断転載を禁じます。</translation>
        </message>
        <message>
            <source>Brevane and the Brevane logo are trademarks of Brevane in the United States and other countries.</source>
            <translation>Brevane および Brevane ロゴは、米国およびその他の国における Brevane の商標です。</translation>
        </message>
        <message>
            <source>Kestrova Bootable provides a basic suite of diagnostic utilities in an environment independent of your installed operating system. This will allow you to test, diagnose, and possibly repair your hard drive, even if your operating system environment is inaccessible.</source>
            <translation>Kestrova Bootable は、インストールされているオペレーティングシステムに依存しない環境で、基本的な診断ユーティリティ一式を提供します。オペレーティングシステムの環境にアクセスできない場合でも、ハードディスクのテスト、診断、そして可能な場合は修復を行えます。</translation>
        </message>
        <message>
            <source>License Agreement</source>
            <translation>使用許諾契約</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完了</translation>
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
            <translation>高度なテストのメニューには、データを消去したり、ドライブをシステムで使用できなくしたりするおそれのあるオプションがあります。続行すると、データが失われる可能性があります。

高度なテストを使用する前に、重要なデータをすべてバックアップしてください。

Brevane は、失われたユーザーデータについて一切責任を負いません。

高度なテストを使用する前に、ヘルプファイルをお読みになるか、Brevane テクニカルサポートにお問い合わせください。

F8 キーを押すと高度なテストが有効になります。基本テストに戻るには [キャンセル] をクリックしてください。</translation>
        </message>
        <message>
            <source>Contact Brevane Technical Support</source>
            <translation>Brevane テクニカルサポートへのお問い合わせ</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
    </context>
    <context>
        <name>Close</name>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Do you want to close the application? (There are running tests)</source>
            <translation>アプリケーションを閉じますか？（実行中のテストがあります）</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
    </context>
    <context>
        <name>EULADialog</name>
        <message>
            <source>License Agreement</source>
            <translation>使用許諾契約</translation>
        </message>
        <message>
            <source>about:blank</source>
            <translation>about:blank</translation>
        </message>
        <message>
            <source>I Do Not Accept</source>
            <translation>同意しない</translation>
        </message>
        <message>
            <source>I Accept</source>
            <translation>同意する</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>完了</translation>
        </message>
    </context>
    <context>
        <name>EraseRangeUI</name>
        <message>
            <source>Erase Range</source>
            <translation>範囲の消去</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>最大 LBA:</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>開始:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>終了:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
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
            <translation>時間指定の消去</translation>
        </message>
        <message>
            <source>Max LBA:</source>
            <translation>最大 LBA:</translation>
        </message>
        <message>
            <source>LBA start:</source>
            <translation>開始 LBA:</translation>
        </message>
        <message>
            <source>Type of time:</source>
            <translation>時間の単位:</translation>
        </message>
        <message>
            <source>Hours</source>
            <translation>時間</translation>
        </message>
        <message>
            <source>Minutes</source>
            <translation>分</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>秒</translation>
        </message>
        <message>
            <source>Set time to test:</source>
            <translation>テスト時間:</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
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
            <translation>Kestrova - ヘルプ</translation>
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
            <translation>フォーム</translation>
        </message>
        <message>
            <source>Drive Information</source>
            <translation>ドライブ情報</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>ドライブ情報を保存しました</translation>
        </message>
        <message>
            <source>Test Information and Results</source>
            <translation>テスト情報と結果</translation>
        </message>
        <message>
            <source>:</source>
            <translation>:</translation>
        </message>
        <message>
            <source>Model Number</source>
            <translation>モデル番号</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>シリアル番号</translation>
        </message>
        <message>
            <source>Firmware Revision</source>
            <translation>ファームウェアリビジョン</translation>
        </message>
        <message>
            <source>Max LBA</source>
            <translation>最大 LBA</translation>
        </message>
        <message>
            <source>Mandatory Power Management</source>
            <translation>必須電源管理</translation>
        </message>
        <message>
            <source>Security Mode</source>
            <translation>セキュリティモード</translation>
        </message>
        <message>
            <source>SMART</source>
            <translation>SMART</translation>
        </message>
        <message>
            <source>48-bit Address feature set supported</source>
            <translation>48 ビットアドレス対応</translation>
        </message>
        <message>
            <source>Advanced Power Management</source>
            <translation>高度な電源管理</translation>
        </message>
        <message>
            <source>SMART self-test supported</source>
            <translation>SMART セルフテスト対応</translation>
        </message>
        <message>
            <source>SMART error logging supported</source>
            <translation>SMART エラーログ対応</translation>
        </message>
        <message>
            <source>Drive Temperature (C)</source>
            <translation>ドライブ温度 (°C)</translation>
        </message>
        <message>
            <source>Power-On Hours</source>
            <translation>電源投入時間</translation>
        </message>
        <message>
            <source>Cache Size</source>
            <translation>キャッシュサイズ</translation>
        </message>
        <message>
            <source>General Purpose Logging supported</source>
            <translation>汎用ログ (GPL) 対応</translation>
        </message>
        <message>
            <source>Security Status</source>
            <translation>セキュリティ状態</translation>
        </message>
        <message>
            <source>Download Microcode</source>
            <translation>マイクロコードのダウンロード</translation>
        </message>
        <message>
            <source>Security Locked</source>
            <translation>セキュリティロック</translation>
        </message>
        <message>
            <source>Supported</source>
            <translation>対応</translation>
        </message>
        <message>
            <source>Unsupported</source>
            <translation>非対応</translation>
        </message>
        <message>
            <source>Enabled</source>
            <translation>有効</translation>
        </message>
        <message>
            <source>Disabled</source>
            <translation>無効</translation>
        </message>
        <message>
            <source>Disable</source>
            <translation>無効</translation>
        </message>
        <message>
            <source>True</source>
            <translation>はい</translation>
        </message>
        <message>
            <source>False</source>
            <translation>いいえ</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>不明</translation>
        </message>
        <message>
            <source>Not Reported</source>
            <translation>報告なし</translation>
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
            <translation>フリーズ</translation>
        </message>
        <message>
            <source>Not frozen</source>
            <translation>非フリーズ</translation>
        </message>
        <message>
            <source>Segmented</source>
            <translation>セグメント対応</translation>
        </message>
        <message>
            <source>Not Segmented</source>
            <translation>セグメント非対応</translation>
        </message>
        <message>
            <source>Deferred</source>
            <translation>遅延対応</translation>
        </message>
        <message>
            <source>Not Deferred</source>
            <translation>遅延非対応</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>容量</translation>
        </message>
        <message>
            <source>Sector Size</source>
            <translation>セクターサイズ</translation>
        </message>
        <message>
            <source>NVMe Version</source>
            <translation>NVMe バージョン</translation>
        </message>
        <message>
            <source>Namespace ID</source>
            <translation>ネームスペース ID</translation>
        </message>
        <message>
            <source>LBA Format in Use</source>
            <translation>使用中の LBA フォーマット</translation>
        </message>
        <message>
            <source>Device Self-test</source>
            <translation>デバイスセルフテスト</translation>
        </message>
        <message>
            <source>Sanitize</source>
            <translation>サニタイズ</translation>
        </message>
        <message>
            <source>Format NVM</source>
            <translation>NVM フォーマット</translation>
        </message>
        <message>
            <source>Critical Warning</source>
            <translation>重大な警告</translation>
        </message>
        <message>
            <source>Composite Temperature (C)</source>
            <translation>総合温度 (C)</translation>
        </message>
        <message>
            <source>Available Spare</source>
            <translation>利用可能な予備領域</translation>
        </message>
        <message>
            <source>Available Spare Threshold</source>
            <translation>予備領域のしきい値</translation>
        </message>
        <message>
            <source>Percentage Used</source>
            <translation>使用率</translation>
        </message>
        <message>
            <source>Data Read</source>
            <translation>読み取りデータ量</translation>
        </message>
        <message>
            <source>Data Written</source>
            <translation>書き込みデータ量</translation>
        </message>
        <message>
            <source>Power Cycles</source>
            <translation>電源投入回数</translation>
        </message>
        <message>
            <source>Unsafe Shutdowns</source>
            <translation>安全でないシャットダウン</translation>
        </message>
        <message>
            <source>Media and Data Integrity Errors</source>
            <translation>メディアおよびデータ整合性エラー</translation>
        </message>
        <message>
            <source>Error Log Entries</source>
            <translation>エラーログのエントリ数</translation>
        </message>
        <message>
            <source>Health and Self-test</source>
            <translation>健全性とセルフテスト</translation>
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
            <translation>論理 %1 バイト、物理 %2 バイト</translation>
        </message>
        <message>
            <source>Not available: the drive is reached as a plain block device</source>
            <translation>利用できません: このドライブは単純なブロックデバイスとしてアクセスされます</translation>
        </message>
        <message>
            <source>Before 1.2</source>
            <translation>1.2 より前</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes, %3 bytes of metadata</source>
            <translation>フォーマット %1: %2 バイト、メタデータ %3 バイト</translation>
        </message>
        <message>
            <source>Format %1: %2 bytes</source>
            <translation>フォーマット %1: %2 バイト</translation>
        </message>
        <message>
            <source>Block Erase</source>
            <translation>ブロック消去</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>暗号消去</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>上書き</translation>
        </message>
        <message>
            <source>User Data Erase</source>
            <translation>ユーザーデータ消去</translation>
        </message>
        <message>
            <source>Available spare below threshold</source>
            <translation>予備領域がしきい値未満</translation>
        </message>
        <message>
            <source>Temperature outside its thresholds</source>
            <translation>温度がしきい値の範囲外</translation>
        </message>
        <message>
            <source>Reliability degraded</source>
            <translation>信頼性の低下</translation>
        </message>
        <message>
            <source>Media read-only</source>
            <translation>メディアが読み取り専用</translation>
        </message>
        <message>
            <source>Volatile memory backup failed</source>
            <translation>揮発性メモリのバックアップ障害</translation>
        </message>
        <message>
            <source>Persistent memory region unreliable</source>
            <translation>永続メモリ領域の信頼性低下</translation>
        </message>
        <message>
            <source>Unknown warning 0x%1</source>
            <translation>不明な警告 0x%1</translation>
        </message>
        <message>
            <source>None</source>
            <translation>なし</translation>
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
            <translation>日本語</translation>
        </message>
        <message>
            <source>Test Progress</source>
            <translation>テストの進行状況</translation>
        </message>
        <message>
            <source>Kestrova Bootable</source>
            <translation>Kestrova Bootable</translation>
        </message>
        <message>
            <source>Model ID</source>
            <translation>モデル ID</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <translation>シリアル番号</translation>
        </message>
        <message>
            <source>Revision</source>
            <translation>リビジョン</translation>
        </message>
        <message>
            <source>Drive List</source>
            <translation>ドライブ一覧</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>ファイル(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Rescan</source>
            <translation>再スキャン(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;Basic Tests</source>
            <translation>基本テスト(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Advanced Features</source>
            <translation>高度な機能(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>言語(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>ヘルプ(&amp;H)</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>終了(&amp;X)</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>バージョン情報(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;View Log</source>
            <translation>ログの表示(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Save Log...</source>
            <translation>ログの保存(&amp;S)...</translation>
        </message>
        <message>
            <source>Save Log</source>
            <translation>ログの保存</translation>
        </message>
        <message>
            <source>S.M.A.R.T. &amp;Check</source>
            <translation>S.M.A.R.T. チェック(&amp;C)</translation>
        </message>
        <message>
            <source>S.M.A.R.T Check</source>
            <translation>S.M.A.R.T. チェック</translation>
        </message>
        <message>
            <source>Short &amp;Drive Self Test</source>
            <translation>ショートドライブセルフテスト(&amp;D)</translation>
        </message>
        <message>
            <source>&amp;Short Generic Test</source>
            <translation>ショートジェネリックテスト(&amp;S)</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>ショートジェネリックテスト</translation>
        </message>
        <message>
            <source>&amp;Long Generic Test</source>
            <translation>ロングジェネリックテスト(&amp;L)</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>高速</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>ロング</translation>
        </message>
        <message>
            <source>Spin Down</source>
            <translation>スピンダウン</translation>
        </message>
        <message>
            <source>Set max LBA</source>
            <translation>最大 LBA の設定</translation>
        </message>
        <message>
            <source>Erase</source>
            <translation>消去</translation>
        </message>
        <message>
            <source>Overwrite Full</source>
            <translation>全体の上書き</translation>
        </message>
        <message>
            <source>Boot Tracks</source>
            <translation>トラック 0 の消去</translation>
        </message>
        <message>
            <source>Range</source>
            <translation>範囲</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>時間</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>上書き</translation>
        </message>
        <message>
            <source>Cripto</source>
            <translation>暗号化</translation>
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
            <translation>実行中の操作が停止したら電源を切ります</translation>
        </message>
    </context>
    <context>
        <name>LanguageDialog</name>
        <message>
            <source>Select Language</source>
            <translation>言語の選択</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
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
            <translation>警告</translation>
        </message>
        <message>
            <source>The file cannot be saved.</source>
            <translation>ファイルを保存できません。</translation>
        </message>
        <message>
            <source>Your USB key may be full.</source>
            <translation>USB メモリがいっぱいの可能性があります。</translation>
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
            <translation>警告</translation>
        </message>
        <message>
            <source>This action will modify the selected device(s) and may overwrite your data. Brevane is not responsible for the loss of data. Press F8 to continue.</source>
            <translation>この操作は選択したドライブを変更し、データを上書きする可能性があります。Brevane はデータの損失について一切責任を負いません。続行するには F8 キーを押してください。</translation>
        </message>
        <message>
            <source>F8</source>
            <translation>F8</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
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
            <translation>この操作は選択したドライブを変更し、データを上書きする可能性があります。Brevane はデータの損失について一切責任を負いません。続行するには F8 キーを押してください。

このテストを開始すると、実行が完了するまで待つ必要があります。処理には数時間かかります。</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
    </context>
    <context>
        <name>ResultTag</name>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>実行不可</translation>
        </message>
    </context>
    <context>
        <name>ResultTags</name>
        <message>
            <source>PASS</source>
            <translation>合格</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>不合格</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>実行不可</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>実行中</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>中止</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>外周スキャン</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>内周スキャン</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>ランダム読み取り</translation>
        </message>
        <message>
            <source>SANITIZE FAILED</source>
            <translation>サニタイズ失敗</translation>
        </message>
        <message>
            <source>Verification</source>
            <translation>検証</translation>
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
            <translation>ドライブ情報を保存しました</translation>
        </message>
    </context>
    <context>
        <name>SetMaxLba</name>
        <message>
            <source>Set Max LBA</source>
            <translation>最大 LBA の設定</translation>
        </message>
        <message>
            <source>Current Maximum LBA:</source>
            <translation>現在の最大 LBA:</translation>
        </message>
        <message>
            <source>New Maximum LBA:</source>
            <translation>新しい最大 LBA 数:</translation>
        </message>
        <message>
            <source>Restore Native Capacity</source>
            <translation>ネイティブ容量に戻す</translation>
        </message>
        <message>
            <source>Ok</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>キャンセル</translation>
        </message>
    </context>
    <context>
        <name>TranslateLog</name>
        <message>
            <source>Read-back verification: sectors not erased</source>
            <translation>読み戻し検証: 消去されていないセクター</translation>
        </message>
        <message>
            <source>Read-back verification: the drive stopped answering</source>
            <translation>読み戻し検証: ドライブが応答しなくなりました</translation>
        </message>
        <message>
            <source>Short Generic Test</source>
            <translation>ショートジェネリックテスト</translation>
        </message>
        <message>
            <source>Long Generic Test</source>
            <translation>ロングジェネリックテスト</translation>
        </message>
        <message>
            <source>Short DST</source>
            <translation>ショートドライブセルフテスト</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check</source>
            <translation>S.M.A.R.T. チェック</translation>
        </message>
        <message>
            <source>Short DST Test</source>
            <translation>ショートドライブセルフテスト</translation>
        </message>
        <message>
            <source>S.M.A.R.T. Check Test</source>
            <translation>S.M.A.R.T. チェック</translation>
        </message>
        <message>
            <source>Outer Scan</source>
            <translation>外周スキャン</translation>
        </message>
        <message>
            <source>Inner Scan</source>
            <translation>内周スキャン</translation>
        </message>
        <message>
            <source>Random Read</source>
            <translation>ランダム読み取り</translation>
        </message>
        <message>
            <source>Full Erase</source>
            <translation>完全消去</translation>
        </message>
        <message>
            <source>Fixed</source>
            <translation>修復済み</translation>
        </message>
        <message>
            <source>started</source>
            <translation>開始</translation>
        </message>
        <message>
            <source>True</source>
            <translation>はい</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>不合格</translation>
        </message>
        <message>
            <source>ABORT</source>
            <translation>中止</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>合格</translation>
        </message>
        <message>
            <source>UNABLE TO RUN</source>
            <translation>実行不可</translation>
        </message>
        <message>
            <source>IN PROGRESS</source>
            <translation>実行中</translation>
        </message>
        <message>
            <source>Test Aborted by User</source>
            <translation>ユーザーによりテストが中止されました</translation>
        </message>
        <message>
            <source>Drive information saved</source>
            <translation>ドライブ情報を保存しました</translation>
        </message>
        <message>
            <source>Set Max LBA</source>
            <translation>最大 LBA の設定</translation>
        </message>
        <message>
            <source>Current maximum LBA count:</source>
            <translation>現在の最大 LBA 数:</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>新しい最大</translation>
        </message>
        <message>
            <source>Restore Native capacity</source>
            <translation>ネイティブ容量に戻す</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>開始:</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>終了:</translation>
        </message>
        <message>
            <source>Fix All Long</source>
            <translation>Fix All ロング</translation>
        </message>
        <message>
            <source>Fix All Fast</source>
            <translation>Fix All 高速</translation>
        </message>
        <message>
            <source>Fix All</source>
            <translation>Fix All</translation>
        </message>
        <message>
            <source>Sanitize failed: the drive needs a new sanitize</source>
            <translation>サニタイズに失敗しました: ドライブには新しいサニタイズが必要です</translation>
        </message>
        <message>
            <source>Could not write</source>
            <translation>書き込めませんでした:</translation>
        </message>
        <message>
            <source>The drive does not offer this operation</source>
            <translation>ドライブはこの操作に対応していません</translation>
        </message>
        <message>
            <source>The drive stopped answering</source>
            <translation>ドライブが応答しなくなりました</translation>
        </message>
        <message>
            <source>The drive stopped answering at LBA:</source>
            <translation>ドライブが応答しなくなった LBA:</translation>
        </message>
        <message>
            <source>The drive refused the read at LBA:</source>
            <translation>ドライブが読み取りを拒否した LBA:</translation>
        </message>
        <message>
            <source>Unreadable sectors:</source>
            <translation>読み取り不能なセクター:</translation>
        </message>
        <message>
            <source>The drive could not read the sectors from LBA:</source>
            <translation>ドライブが読み取れなかったセクターの開始 LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write at LBA:</source>
            <translation>ドライブが書き込みを拒否した LBA:</translation>
        </message>
        <message>
            <source>The drive refused the write</source>
            <translation>ドライブが書き込みを拒否しました</translation>
        </message>
        <message>
            <source>The drive reported a failure, library code:</source>
            <translation>ドライブが失敗を報告しました。ライブラリコード:</translation>
        </message>
        <message>
            <source>SMART attribute past its threshold:</source>
            <translation>しきい値を超えた SMART 属性:</translation>
        </message>
        <message>
            <source>The drive's SMART status predicts a failure</source>
            <translation>ドライブの SMART ステータスが故障を予測しています</translation>
        </message>
        <message>
            <source>The drive's health log sets a critical warning:</source>
            <translation>ドライブのヘルスログに重大な警告があります:</translation>
        </message>
        <message>
            <source>The self-test failed:</source>
            <translation>セルフテストが失敗しました:</translation>
        </message>
        <message>
            <source>The self-test did not end in time</source>
            <translation>セルフテストが時間内に終わりませんでした</translation>
        </message>
        <message>
            <source>The drive did not report the work completed</source>
            <translation>ドライブは作業の完了を報告しませんでした</translation>
        </message>
        <message>
            <source>The drive reports no capacity</source>
            <translation>ドライブが容量を報告していません</translation>
        </message>
        <message>
            <source>The range holds no sector</source>
            <translation>範囲にセクターがありません</translation>
        </message>
        <message>
            <source>The drive stopped making progress</source>
            <translation>ドライブの進行が止まりました</translation>
        </message>
        <message>
            <source>The self-test log names no failing LBA</source>
            <translation>セルフテストログに失敗した LBA がありません</translation>
        </message>
        <message>
            <source>Too many sectors to repair:</source>
            <translation>修復するセクターが多すぎます:</translation>
        </message>
        <message>
            <source>Wrong PSID</source>
            <translation>PSID が違います</translation>
        </message>
        <message>
            <source>The in-drive diagnostic reported a failure:</source>
            <translation>ドライブ内診断が失敗を報告しました:</translation>
        </message>
        <message>
            <source>Reason:</source>
            <translation>理由:</translation>
        </message>
        <message>
            <source>Rewritten</source>
            <translation>再書き込み</translation>
        </message>
        <message>
            <source>Program started</source>
            <translation>プログラム開始</translation>
        </message>
        <message>
            <source>Program ended</source>
            <translation>プログラム終了</translation>
        </message>
        <message>
            <source>INTERRUPTED: the program ended before the operation did</source>
            <translation>中断: 操作が終わる前にプログラムが終了しました</translation>
        </message>
    </context>
    <context>
        <name>ViewLog</name>
        <message>
            <source>View log</source>
            <translation>ログの表示</translation>
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
            <translation>フォーム</translation>
        </message>
        <message>
            <source>change image</source>
            <translation>画像を変更</translation>
        </message>
        <message>
            <source>remaining</source>
            <translation>残り</translation>
        </message>
        <message>
            <source>Error</source>
            <translation>エラー</translation>
        </message>
        <message>
            <source>complete</source>
            <translation>完了</translation>
        </message>
        <message>
            <source>New max</source>
            <translation>新しい最大</translation>
        </message>
    </context>
    <context>
        <name>LogsNotice</name>
        <message>
            <source>Logs kept in memory</source>
            <translation>ログはメモリ上にのみ保存されています</translation>
        </message>
        <message>
            <source>The boot medium cannot be written, so the drive logs are kept in memory and are lost when the machine powers off.

To keep them, press Alt+F4 in the main window for a terminal and copy the files in /logs to another medium.</source>
            <translation>起動メディアに書き込めないため、ドライブのログはメモリ上に保存され、電源を切ると失われます。

ログを残すには、メインウィンドウで Alt+F4 を押してターミナルを開き、/logs のファイルを別のメディアにコピーしてください。</translation>
        </message>
    </context>
    <context>
        <name>BootMedium</name>
        <message>
            <source>Boot medium</source>
            <translation>起動メディア</translation>
        </message>
        <message>
            <source>The program runs from this drive and writes its logs on it. Operations that change or stop a drive are not run on it.</source>
            <translation>このプログラムはこのドライブから起動し、ログをこのドライブに書き込みます。ドライブを変更または停止する操作は、このドライブでは実行されません。</translation>
        </message>
        <message>
            <source>The drive %1 is the medium this program runs from, and it holds the logs. Operations that change or stop a drive are not run on it.

Untick it and choose the operation again for the other drives.</source>
            <translation>ドライブ %1 はこのプログラムの起動元のメディアで、ログが保存されています。ドライブを変更または停止する操作は、このドライブでは実行されません。

このドライブのチェックを外し、他のドライブに対して操作をもう一度選択してください。</translation>
        </message>
    </context>
    <context>
        <name>NoDriveNotice</name>
        <message>
            <source>No drive was found.</source>
            <translation>ドライブが見つかりませんでした。</translation>
        </message>
        <message>
            <source>Connect the drive and press Rescan; a drive that was just powered on may need a few seconds.</source>
            <translation>ドライブを接続して「再スキャン」を押してください。電源を入れたばかりのドライブは数秒かかることがあります。</translation>
        </message>
        <message>
            <source>Check that the drive's data and power cables are firmly attached at both ends, or try another port or cable.</source>
            <translation>ドライブのデータケーブルと電源ケーブルが両端でしっかり接続されているか確認するか、別のポートまたはケーブルを試してください。</translation>
        </message>
        <message>
            <source>If the drive is attached but not listed, the firmware's storage mode may hide it: set the SATA mode from RAID to AHCI in the firmware setup and start the machine again.</source>
            <translation>ドライブが接続されているのに表示されない場合は、ファームウェアのストレージモードによって隠されている可能性があります。ファームウェア設定で SATA モードを RAID から AHCI に変更し、マシンを起動し直してください。</translation>
        </message>
        <message>
            <source>No drive was found besides the boot medium.</source>
            <translation>起動メディア以外のドライブが見つかりませんでした。</translation>
        </message>
    </context>
    <context>
        <name>DeliveryStatus</name>
        <message>
            <source>Results: connecting to %1</source>
            <translation>結果: %1 に接続しています</translation>
        </message>
        <message>
            <source>Results: all sent to %1</source>
            <translation>結果: すべて %1 に送信しました</translation>
        </message>
        <message>
            <source>Results: %1 waiting to be sent to %2</source>
            <translation>結果: %1 件が %2 への送信を待っています</translation>
        </message>
        <message>
            <source>Results: sending to %1 failed (%2); %3 waiting, trying again</source>
            <translation>結果: %1 への送信に失敗しました (%2)。%3 件が待機中、再試行します</translation>
        </message>
        <message>
            <source>Results stay in local files only: %1 is not a valid http:// or https:// address</source>
            <translation>結果はローカルファイルにのみ保存されます: %1 は有効な http:// または https:// のアドレスではありません</translation>
        </message>
        <message>
            <source>Results stay in local files only: the certificate of %1 was refused (%2)</source>
            <translation>結果はローカルファイルにのみ保存されます: %1 の証明書が拒否されました (%2)</translation>
        </message>
        <message>
            <source>The list of results to send could not be saved: %1</source>
            <translation>送信する結果の一覧を保存できませんでした: %1</translation>
        </message>
        <message>
            <source>Results: %1 cannot be reached (%2); trying again</source>
            <translation>結果: %1 に接続できません (%2)。再試行します</translation>
        </message>
    </context>
    <context>
        <name>Certificate</name>
        <message>
            <source>Certificate of Sanitization</source>
            <translation>データ消去証明書</translation>
        </message>
        <message>
            <source>Person performing sanitization</source>
            <translation>消去実施者</translation>
        </message>
        <message>
            <source>Operator</source>
            <translation>作業者</translation>
        </message>
        <message>
            <source>Organisation</source>
            <translation>組織</translation>
        </message>
        <message>
            <source>Media information</source>
            <translation>媒体情報</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <translation>製造元</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>モデル</translation>
        </message>
        <message>
            <source>Serial number</source>
            <translation>シリアル番号</translation>
        </message>
        <message>
            <source>Firmware</source>
            <translation>ファームウェア</translation>
        </message>
        <message>
            <source>Media type</source>
            <translation>媒体の種類</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>出所</translation>
        </message>
        <message>
            <source>Sanitization details</source>
            <translation>消去の詳細</translation>
        </message>
        <message>
            <source>Category</source>
            <translation>区分</translation>
        </message>
        <message>
            <source>Clear</source>
            <translation>クリア</translation>
        </message>
        <message>
            <source>Purge</source>
            <translation>パージ</translation>
        </message>
        <message>
            <source>Method used</source>
            <translation>使用した方法</translation>
        </message>
        <message>
            <source>Overwrite</source>
            <translation>上書き</translation>
        </message>
        <message>
            <source>Crypto Erase</source>
            <translation>暗号消去</translation>
        </message>
        <message>
            <source>Method details</source>
            <translation>方法の詳細</translation>
        </message>
        <message>
            <source>Tool used</source>
            <translation>使用したツール</translation>
        </message>
        <message>
            <source>Verification method</source>
            <translation>検証方法</translation>
        </message>
        <message>
            <source>Full: every sector read back</source>
            <translation>完全: 全セクターを読み戻し</translation>
        </message>
        <message>
            <source>Quick sampling: sectors read back</source>
            <translation>簡易サンプリング: セクターを読み戻し</translation>
        </message>
        <message>
            <source>None</source>
            <translation>なし</translation>
        </message>
        <message>
            <source>Verification result</source>
            <translation>検証結果</translation>
        </message>
        <message>
            <source>not verified</source>
            <translation>未検証</translation>
        </message>
        <message>
            <source>Sectors read</source>
            <translation>読み取ったセクター</translation>
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
            <translation>日付</translation>
        </message>
        <message>
            <source>Results record SHA-256</source>
            <translation>結果レコードの SHA-256</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>署名</translation>
        </message>
    </context>
</TS>
