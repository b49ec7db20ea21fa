<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BandParts</name>
    <message>
        <source>%1, % of readings :</source>
        <translation>%1，佔讀數百分比：</translation>
    </message>
    <message>
        <source>target: under %1 %</source>
        <translation>目標：低於 %1 %</translation>
    </message>
    <message>
        <source>target: over %1 %</source>
        <translation>目標：高於 %1 %</translation>
    </message>
    <message>
        <source>Within your limits %1–%2 %3, % of readings :</source>
        <translation>在您的上下限 %1–%2 %3 之內，佔讀數百分比：</translation>
    </message>
</context>
<context>
    <name>ChartText</name>
    <message>
        <source>1 reading</source>
        <translation>1 筆讀數</translation>
    </message>
    <message>
        <source>%1 readings</source>
        <translation>%1 筆讀數</translation>
    </message>
    <message>
        <source>Glucose %1</source>
        <translation>血糖 %1</translation>
    </message>
    <message>
        <source>%1, no readings</source>
        <translation>%1，沒有讀數</translation>
    </message>
    <message>
        <source>PC line graph</source>
        <translation>餐後折線圖</translation>
    </message>
    <message>
        <source>Line graph</source>
        <translation>折線圖</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>%1, %2 from %3 to %4, highest %5, lowest %6 %7</source>
        <translation>%1，%3 至 %4 共 %2，最高 %5，最低 %6 %7</translation>
    </message>
    <message>
        <source>Standard day</source>
        <translation>標準日</translation>
    </message>
    <message>
        <source>Standard day, no day chosen</source>
        <translation>標準日，尚未選擇日期</translation>
    </message>
    <message>
        <source>Standard day, %1</source>
        <translation>標準日，%1</translation>
    </message>
    <message>
        <source>Standard day, %1, %2, highest %3, lowest %4, average %5 %6</source>
        <translation>標準日，%1，%2，最高 %3，最低 %4，平均 %5 %6</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>讀數</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source> from %1 to %2</source>
        <translation>，%1 至 %2</translation>
    </message>
    <message>
        <source>, highest %1, lowest %2 %3</source>
        <translation>，最高 %1，最低 %2 %3</translation>
    </message>
    <message>
        <source>, most in %1 (%2)</source>
        <translation>，最多落在 %1（%2 筆）</translation>
    </message>
    <message>
        <source>Below %1</source>
        <translation>低於 %1</translation>
    </message>
    <message>
        <source>Above %1</source>
        <translation>高於 %1</translation>
    </message>
    <message>
        <source>Band bar</source>
        <translation>血糖區間長條圖</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>區間</translation>
    </message>
    <message>
        <source>% of readings</source>
        <translation>佔讀數百分比</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1，%2：%3</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>Overlay day</source>
        <translation>每日疊圖</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>中位數</translation>
    </message>
    <message>
        <source>%1, %2, a median for %3 of 24 hours</source>
        <translation>%1，%2，24 小時中有 %3 小時有中位數</translation>
    </message>
    <message>
        <source>, lowest %1 at %2, highest %3 at %4%5</source>
        <translation>，最低 %1 在 %2，最高 %3 在 %4%5</translation>
    </message>
</context>
<context>
    <name>ChartValues</name>
    <message>
        <source>Show values</source>
        <translation>顯示數值</translation>
    </message>
    <message>
        <source>Show values of the %1</source>
        <translation>顯示%1的數值</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1數值</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Progress %1/%2</source>
        <translation>進度 %1/%2</translation>
    </message>
    <message>
        <source>Download log: </source>
        <translation>下載記錄檔：</translation>
    </message>
</context>
<context>
    <name>ControlScript</name>
    <message>
        <source>&quot;%1&quot; has no entry &quot;%2&quot;.</source>
        <translation>「%1」沒有「%2」這個項目。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; for &quot;%2&quot; is not %3.</source>
        <translation>「%2」的「%1」不是%3。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) cannot be set.</source>
        <translation>「%1」（%2）無法設定。</translation>
    </message>
    <message>
        <source>There is no control named &quot;%1&quot;.</source>
        <translation>沒有名為「%1」的控制項。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a menu item: click it.</source>
        <translation>「%1」是選單項目：請用按的。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not available.</source>
        <translation>「%1」目前無法使用。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a control.</source>
        <translation>「%1」不是控制項。</translation>
    </message>
    <message>
        <source>a date (day/month/year)</source>
        <translation>日期（日/月/年）</translation>
    </message>
    <message>
        <source>a date (year/month/day)</source>
        <translation>日期（年/月/日）</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be chosen.</source>
        <translation>「%1」無法選取。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be cleared.</source>
        <translation>「%1」無法取消選取。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is disabled.</source>
        <translation>「%1」目前停用。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is hidden.</source>
        <translation>「%1」沒有顯示。</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>You may not create files in %1, so the user list and the readings are kept in %2.</source>
        <translation>您不能在 %1 建立檔案，因此使用者清單及讀值會存放在 %2。</translation>
    </message>
    <message>
        <source>Cannot create the data folder %1.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Other users of this computer can write in the data folder %1: they could replace your files with their own or with links. Make it writable by you alone, for example with: chmod go-w %1</source>
        <translation>這部電腦的其他使用者可以寫入資料夾 %1：他們可能以自己的檔案或連結取代您的檔案。請讓它只有您能寫入，例如執行：chmod go-w %1</translation>
    </message>
</context>
<context>
    <name>DataFolderLock</name>
    <message>
        <source>Cannot lock the data folder %1: the lock file %2 cannot be used: %3.</source>
        <translation>無法鎖定資料夾 %1：鎖定檔 %2 無法使用：%3。</translation>
    </message>
    <message>
        <source>you may not write in the folder</source>
        <translation>您不能寫入此資料夾</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created</source>
        <translation>無法建立鎖定檔 %1</translation>
    </message>
    <message>
        <source>Cannot lock the data folder %1: %2.</source>
        <translation>無法鎖定資料夾 %1：%2。</translation>
    </message>
    <message>
        <source>The lock file %1 of the data folder %2 cannot be read or taken over. Delete it and start again.</source>
        <translation>資料夾 %2 的鎖定檔 %1 無法讀取或接手。請刪除它後再重新啟動。</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>程序 %1</translation>
    </message>
    <message>
        <source>process %1 on the computer %2</source>
        <translation>電腦 %2 上的程序 %1</translation>
    </message>
    <message>
        <source>Dextrel Management Software is already running with the data folder %1 (%2). If it is not, delete the file %3 and start again.</source>
        <translation>Dextrel Management Software 已經在使用資料夾 %1 執行中（%2）。若並非如此，請刪除檔案 %3 後再重新啟動。</translation>
    </message>
</context>
<context>
    <name>DataListModel</name>
    <message>
        <source>Glucose_mg/dL</source>
        <translation>血糖_mg/dL</translation>
    </message>
    <message>
        <source>Glucose</source>
        <translation>血糖</translation>
    </message>
    <message>
        <source>Test_No</source>
        <translation>測試編號</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <source>Glucose_mmol/L</source>
        <translation>血糖_mmol/L</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Date &amp; Time</source>
        <translation>日期與時間</translation>
    </message>
</context>
<context>
    <name>DeviceChoices</name>
    <message>
        <source> The serial ports open their default devices until one is chosen in the settings again.</source>
        <translation>在設定中重新選擇裝置之前，序列埠會開啟其預設裝置。</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged (%2).</source>
        <translation>設定檔 %1 已損毀（%2）。</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>大於 %1 個位元組</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>無法讀取 %1：%2。</translation>
    </message>
    <message>
        <source>A device name cannot hold a line break or another control character.</source>
        <translation>裝置名稱不能含有換行或其他控制字元。</translation>
    </message>
    <message>
        <source>A language cannot hold a line break or another control character.</source>
        <translation>語言不能含有換行或其他控制字元。</translation>
    </message>
    <message>
        <source> It is left as it is, so that no other choice in it is lost.</source>
        <translation>檔案維持原狀，以免遺失其中的其他設定。</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot;</source>
        <translation>第 %1 行：「%2」</translation>
    </message>
</context>
<context>
    <name>DoctorReportPdf</name>
    <message>
        <source>Report for My Doctor</source>
        <translation>給醫師的報告</translation>
    </message>
    <message>
        <source>DejaVu Sans</source>
        <extracomment>The faces of the doctor&apos;s report, separated by commas, first choice first.</extracomment>
        <translation>DejaVu Sans,Noto Sans CJK TC,Microsoft JhengHei,PingFang TC</translation>
    </message>
    <message>
        <source>ID : %1</source>
        <translation>帳號：%1</translation>
    </message>
    <message>
        <source>Period : %1</source>
        <translation>期間：%1</translation>
    </message>
    <message>
        <source>Made : %1</source>
        <translation>製作日期：%1</translation>
    </message>
    <message>
        <source>Unit : %1</source>
        <translation>單位：%1</translation>
    </message>
    <message>
        <source>Not medical advice</source>
        <translation>非醫療建議</translation>
    </message>
    <message>
        <source>Shares are of meter readings, not of time; the GMI is an estimate from meter readings, not a laboratory A1C.</source>
        <translation>百分比以血糖機讀數計算，而非以時間計算；GMI 是由血糖機讀數估算的值，並非實驗室檢驗的 A1C。</translation>
    </message>
    <message>
        <source>Overlay Day</source>
        <translation>每日疊圖</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
</context>
<context>
    <name>DownloadLogFile</name>
    <message>
        <source>it is a symbolic link, which the program does not follow</source>
        <translation>它是符號連結，程式不會跟隨</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>它不是資料夾</translation>
    </message>
    <message>
        <source>No download log is kept: %1 cannot hold it: %2.</source>
        <translation>不保留下載記錄檔：%1 無法存放：%2。</translation>
    </message>
    <message>
        <source>it cannot be created</source>
        <translation>無法建立</translation>
    </message>
    <message>
        <source>The download log %1 is incomplete: %2.</source>
        <translation>下載記錄檔 %1 不完整：%2。</translation>
    </message>
</context>
<context>
    <name>ExportWindow</name>
    <message>
        <source>File :</source>
        <translation>檔案：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Choose the file to write to.</source>
        <translation>請選擇要寫入的檔案。</translation>
    </message>
</context>
<context>
    <name>HistogramChart</name>
    <message>
        <source># of Blood Glucose Readings</source>
        <translation>血糖讀數筆數</translation>
    </message>
</context>
<context>
    <name>HourRuler</name>
    <message>
        <source>12P     1</source>
        <translation>中午     1</translation>
    </message>
    <message>
        <source>12P</source>
        <translation>中午</translation>
    </message>
    <message>
        <source>Time of Day</source>
        <translation>一天中的時間</translation>
    </message>
    <message>
        <source>hr</source>
        <translation>時</translation>
    </message>
    <message>
        <source>12A</source>
        <translation>午夜</translation>
    </message>
</context>
<context>
    <name>LimitSettings</name>
    <message>
        <source>Error: The normal %1 limit Setting of Glucose Value ranges between %2 and %3 !!</source>
        <translation>錯誤：血糖值的%1限設定須介於 %2 與 %3 之間！！</translation>
    </message>
</context>
<context>
    <name>LineGraphWindow</name>
    <message>
        <source>Name Not Yet Assigned</source>
        <translation>尚未指定名稱</translation>
    </message>
    <message>
        <source>None Data</source>
        <translation>無資料</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>折線圖</translation>
    </message>
    <message>
        <source>PC Datas covered :</source>
        <translation>餐後資料筆數：</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>month/day</source>
        <translation>月/日</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Low--</source>
        <translation>低--</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Hour :</source>
        <translation>小時：</translation>
    </message>
    <message>
        <source>Glucose</source>
        <translation>血糖</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>下限</translation>
    </message>
</context>
<context>
    <name>ManualAddress</name>
    <message>
        <source>The help browser shows the manual only; it does not open %1</source>
        <translation>說明視窗只顯示使用手冊，不會開啟 %1</translation>
    </message>
    <message>
        <source>No web browser is set up on this computer to open %1</source>
        <translation>這部電腦沒有設定可開啟 %1 的網頁瀏覽器</translation>
    </message>
</context>
<context>
    <name>ManualBrowser</name>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>A word, such as port</source>
        <translation>輸入字詞，例如 連接埠</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>要搜尋的字詞</translation>
    </message>
</context>
<context>
    <name>MeterProbe</name>
    <message>
        <source>Meter found on %1</source>
        <translation>在 %1 找到血糖機</translation>
    </message>
    <message>
        <source>%1: cannot be opened: %2</source>
        <translation>%1：無法開啟：%2</translation>
    </message>
    <message>
        <source>%1: no answer</source>
        <translation>%1：沒有回應</translation>
    </message>
    <message>
        <source>%1: answers, but not as the meter does</source>
        <translation>%1：有回應，但不是血糖機的回應</translation>
    </message>
    <message>
        <source>No meter found: there is no serial port to try.</source>
        <translation>找不到血糖機：沒有可嘗試的序列埠。</translation>
    </message>
    <message>
        <source>No meter found on %1.</source>
        <translation>在 %1 找不到血糖機。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Trying %1...</source>
        <translation>正在嘗試 %1...</translation>
    </message>
</context>
<context>
    <name>MeterTexts</name>
    <message>
        <source>RS232 Setting Error !</source>
        <translation>RS232 設定錯誤！</translation>
    </message>
    <message>
        <source>%1 Choose the meter&apos;s device in Setup (Find Meter looks for it), or plug in the meter&apos;s cable: Start Reading comes back as soon as the device can be opened.</source>
        <translation>%1 請在「設定」中選擇血糖機的裝置（「尋找血糖機」可代為尋找），或接上血糖機的傳輸線：裝置一能開啟，「開始讀取」就會恢復可用。</translation>
    </message>
    <message>
        <source>No answer from the meter on %1. Check the cable at both ends, switch the meter on, or look for it with Find Meter in Setup; then press Start Reading again.</source>
        <translation>%1 上的血糖機沒有回應。請檢查傳輸線兩端、打開血糖機電源，或在「設定」中用「尋找血糖機」尋找；然後再按一次「開始讀取」。</translation>
    </message>
    <message>
        <source>A download from the meter is running. Stop it and go on? Readings not saved yet are lost; the meter is told to go to sleep.</source>
        <translation>正在從血糖機下載資料。要停止下載並繼續嗎？尚未儲存的讀值將會遺失；血糖機會被通知進入休眠。</translation>
    </message>
    <message>
        <source>Reading Massage...</source>
        <translation>讀取訊息...</translation>
    </message>
    <message>
        <source>Meter Wake Up...Waiting(%1s)</source>
        <translation>喚醒血糖機...等待中(%1s)</translation>
    </message>
    <message>
        <source>Meter Wake Up...Failed</source>
        <translation>喚醒血糖機...失敗</translation>
    </message>
    <message>
        <source>Meter Wake Up...Please Wait!</source>
        <translation>喚醒血糖機...請稍候！</translation>
    </message>
    <message>
        <source>Linking...</source>
        <translation>連線中...</translation>
    </message>
    <message>
        <source>Link Testing...</source>
        <translation>測試連線中...</translation>
    </message>
    <message>
        <source>On Line...</source>
        <translation>已連線...</translation>
    </message>
    <message>
        <source>There is no new data in meter !!</source>
        <translation>血糖機中沒有新資料！！</translation>
    </message>
    <message>
        <source> ( %1 ) Data in Meter !!</source>
        <translation>血糖機中有 ( %1 ) 筆資料！！</translation>
    </message>
    <message>
        <source>Complete! Receive ( %1 ) Data from Meter !!</source>
        <translation>完成！已從血糖機接收 ( %1 ) 筆資料！！</translation>
    </message>
    <message>
        <source>Read [%1] data from Meter !!</source>
        <translation>已從血糖機讀取 [%1] 筆資料！！</translation>
    </message>
    <message>
        <source>Data Receiving Error! Got %1 byte--it&apos;s %2</source>
        <translation>資料接收錯誤！收到 %1 個位元組--內容為 %2</translation>
    </message>
    <message>
        <source> The download was abandoned and nothing was saved.</source>
        <translation>下載已中止，沒有儲存任何資料。</translation>
    </message>
    <message>
        <source>The meter did not answer for %1 seconds.</source>
        <translation>血糖機已 %1 秒沒有回應。</translation>
    </message>
    <message>
        <source> Check the cable and press Start Reading again.</source>
        <translation>請檢查傳輸線，再按一次「開始讀取」。</translation>
    </message>
    <message>
        <source>no answer for %1 seconds</source>
        <translation>%1 秒沒有回應</translation>
    </message>
    <message>
        <source>link test</source>
        <translation>連線測試</translation>
    </message>
    <message>
        <source>link request</source>
        <translation>連線要求</translation>
    </message>
    <message>
        <source>The meter woke up but did not answer the %1.</source>
        <translation>血糖機已喚醒，但沒有回應%1。</translation>
    </message>
    <message>
        <source>The download is complete, but the meter did not confirm that it went to sleep (%1). It may still be on.</source>
        <translation>下載已完成，但血糖機沒有確認已進入休眠（%1）。血糖機可能仍在開機狀態。</translation>
    </message>
    <message>
        <source>The connection to the meter was lost (%1).</source>
        <translation>與血糖機的連線中斷了（%1）。</translation>
    </message>
    <message>
        <source>The readings from the meter were not saved: %1</source>
        <translation>血糖機的讀值沒有儲存：%1</translation>
    </message>
</context>
<context>
    <name>OverlayChart</name>
    <message>
        <source>Max</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Time of Day (hr)</source>
        <translation>一天中的時間（時）</translation>
    </message>
</context>
<context>
    <name>OverlayDayWindow</name>
    <message>
        <source>Overlay Day</source>
        <translation>每日疊圖</translation>
    </message>
</context>
<context>
    <name>OwnFiles</name>
    <message>
        <source>the user list</source>
        <translation>使用者清單</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>the lock file</source>
        <translation>鎖定檔</translation>
    </message>
    <message>
        <source>the reading file</source>
        <translation>讀值檔案</translation>
    </message>
    <message>
        <source>the temporary file</source>
        <translation>暫存檔</translation>
    </message>
    <message>
        <source>the kept copy</source>
        <translation>保留的副本</translation>
    </message>
    <message>
        <source>the download log</source>
        <translation>下載記錄檔</translation>
    </message>
    <message>
        <source>Cannot write %1: it is %2 %3, one of the program&apos;s own files. Choose another file.</source>
        <translation>無法寫入 %1：它是%2 %3，是本程式自己的檔案。請選擇其他檔案。</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Index(&amp;I)</source>
        <translation>首頁(&amp;I)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Download Meter Readings(&amp;D)</source>
        <translation>下載血糖機讀值(&amp;D)</translation>
    </message>
    <message>
        <source>Download Meter Readings</source>
        <translation>下載血糖機讀值</translation>
    </message>
    <message>
        <source>Data List(&amp;L)</source>
        <translation>資料列表(&amp;L)</translation>
    </message>
    <message>
        <source>Standard Day(&amp;D)</source>
        <translation>標準日(&amp;D)</translation>
    </message>
    <message>
        <source>PC Line Graph(&amp;P)</source>
        <translation>餐後折線圖(&amp;P)</translation>
    </message>
    <message>
        <source>Histogram(&amp;H)</source>
        <translation>直方圖(&amp;H)</translation>
    </message>
    <message>
        <source>Summary(&amp;U)</source>
        <translation>摘要(&amp;U)</translation>
    </message>
    <message>
        <source>Overlay Day(&amp;O)</source>
        <translation>每日重疊圖(&amp;O)</translation>
    </message>
    <message>
        <source>Setup(&amp;S)...</source>
        <translation>設定(&amp;S)...</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>PeriodSummary</name>
    <message>
        <source>The estimate needs readings on at least %1 days and at least %2 readings; this period has %3 days and %4 readings.</source>
        <translation>此估計值需要至少 %1 天、至少 %2 筆讀數；此期間有 %3 天、%4 筆讀數。</translation>
    </message>
    <message>
        <source>✓ met</source>
        <translation>✓ 達成</translation>
    </message>
    <message>
        <source>✗ not met</source>
        <translation>✗ 未達成</translation>
    </message>
</context>
<context>
    <name>PortNames</name>
    <message>
        <source>Serial port %1 does not exist: choose a port from %2 to %3 in the settings.</source>
        <translation>序列埠 %1 不存在：請在設定中選擇 %2 到 %3 的連接埠。</translation>
    </message>
</context>
<context>
    <name>ReadingFile</name>
    <message>
        <source>Line %1 of %2 could not be read and was skipped.</source>
        <translation>%2 的第 %1 行無法讀取，已略過。</translation>
    </message>
    <message>
        <source>%1 lines of %2 could not be read and were skipped; the first is line %3.</source>
        <translation>%2 有 %1 行無法讀取，已略過；第一行是第 %3 行。</translation>
    </message>
    <message>
        <source>Line %1 of %2 has the event mark &quot;%3&quot;, which is saved as C.</source>
        <translation>%2 的第 %1 行的事件標記為「%3」，將儲存為 C。</translation>
    </message>
    <message>
        <source>%1 lines of %2 have event marks other than C, PC and QC, which are saved as C; the first is line %3 (&quot;%4&quot;).</source>
        <translation>%2 有 %1 行的事件標記不是 C、PC 或 QC，將儲存為 C；第一行是第 %3 行（「%4」）。</translation>
    </message>
    <message>
        <source>The file will be kept unchanged beside %1, with the date and time in its name, before new readings are saved.</source>
        <translation>儲存新讀值之前，原檔案會以名稱含日期時間的副本原樣保留在 %1 旁。</translation>
    </message>
    <message>
        <source>The file will be kept unchanged as %1 before new readings are saved.</source>
        <translation>儲存新讀值之前，原檔案會原樣保留為 %1。</translation>
    </message>
</context>
<context>
    <name>ReadingStore</name>
    <message>
        <source>No reading file is open.</source>
        <translation>沒有開啟任何讀值檔案。</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a symbolic link, which the program does not follow</source>
        <translation>它是符號連結，程式不會跟隨</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>它不是一般檔案</translation>
    </message>
</context>
<context>
    <name>ReportFileNames</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>%1 readings written to %2</source>
        <translation>已將 %1 筆讀數寫入 %2</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>無法繪製報告。</translation>
    </message>
    <message>
        <source>Report of %1 readings written to %2</source>
        <translation>已將 %1 筆讀數的報告寫入 %2</translation>
    </message>
    <message>
        <source>Export Readings</source>
        <translation>匯出讀數</translation>
    </message>
</context>
<context>
    <name>ReportParts</name>
    <message>
        <source>Report&apos;s date :</source>
        <translation>報告日期：</translation>
    </message>
    <message>
        <source>Datas covered :</source>
        <translation>資料筆數：</translation>
    </message>
    <message>
        <source>ID :</source>
        <translation>帳號：</translation>
    </message>
    <message>
        <source>Highest value :</source>
        <translation>最高值：</translation>
    </message>
    <message>
        <source>Lowest value :</source>
        <translation>最低值：</translation>
    </message>
    <message>
        <source>Average :</source>
        <translation>平均值：</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>This ID have no Glucose data !! Please read from Meter!!</source>
        <translation>此帳號沒有血糖資料！！請從血糖機讀取！！</translation>
    </message>
    <message>
        <source>Range of date Error!</source>
        <translation>日期範圍錯誤！</translation>
    </message>
    <message>
        <source>No data !</source>
        <translation>沒有資料！</translation>
    </message>
    <message>
        <source>There&apos;s an error in your range of data !</source>
        <translation>您的資料範圍有錯誤！</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>開始日期</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>結束日期</translation>
    </message>
    <message>
        <source>From hour</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>To hour</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>Readings page</source>
        <translation>讀數頁</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>ScriptedStart</name>
    <message>
        <source>The login window did not list the users.</source>
        <translation>登入視窗沒有列出使用者。</translation>
    </message>
    <message>
        <source>The login window did not open.</source>
        <translation>登入視窗沒有開啟。</translation>
    </message>
    <message>
        <source>The login window has no user list, password box or Login button.</source>
        <translation>登入視窗沒有使用者清單、密碼欄或登入按鈕。</translation>
    </message>
    <message>
        <source>There is no user &quot;%1&quot;.</source>
        <translation>沒有使用者「%1」。</translation>
    </message>
    <message>
        <source>The login of &quot;%1&quot; was refused.</source>
        <translation>「%1」的登入被拒絕。</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not available in this build.</source>
        <translation>此版本沒有「%1」頁面。</translation>
    </message>
    <message>
        <source>Cannot save a picture as &quot;%1&quot;.</source>
        <translation>無法將圖片存為「%1」。</translation>
    </message>
    <message>
        <source>Cannot draw the picture.</source>
        <translation>無法繪製圖片。</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>not a serial port</source>
        <translation>不是序列埠</translation>
    </message>
    <message>
        <source>. Add yourself to the group dialout (sudo adduser $USER dialout) and log in again</source>
        <translation>。請將自己加入 dialout 群組（sudo adduser $USER dialout）後重新登入</translation>
    </message>
    <message>
        <source>%1 may no longer be used</source>
        <translation>%1 已無法使用</translation>
    </message>
    <message>
        <source>%1 could not be read</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <source>%1 could not be written to</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>%1 is gone: unplugged, or closed at the other end</source>
        <translation>%1 已不存在：已拔除，或另一端已關閉</translation>
    </message>
</context>
<context>
    <name>SerialPorts</name>
    <message>
        <source>This computer lists no serial ports.</source>
        <translation>這部電腦沒有列出任何序列埠。</translation>
    </message>
    <message>
        <source>The serial ports of this computer: %1.</source>
        <translation>這部電腦的序列埠：%1。</translation>
    </message>
    <message>
        <source>%1 is not there. %2</source>
        <translation>%1 不存在。%2</translation>
    </message>
    <message>
        <source>maker </source>
        <translation>製造商 </translation>
    </message>
    <message>
        <source>serial number </source>
        <translation>序號 </translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message>
        <source>Setting parameters</source>
        <translation>參數設定</translation>
    </message>
    <message>
        <source>RS232 Port Setting</source>
        <translation>RS232 連接埠設定</translation>
    </message>
    <message>
        <source>Com Port 1 (Default)</source>
        <translation>連接埠 1（預設）</translation>
    </message>
    <message>
        <source>Com Port 2</source>
        <translation>連接埠 2</translation>
    </message>
    <message>
        <source>Com Port 3</source>
        <translation>連接埠 3</translation>
    </message>
    <message>
        <source>Com Port 4</source>
        <translation>連接埠 4</translation>
    </message>
    <message>
        <source>Com Port 5</source>
        <translation>連接埠 5</translation>
    </message>
    <message>
        <source>Glucose Unit Setting</source>
        <translation>血糖單位設定</translation>
    </message>
    <message>
        <source>mg/dL(Default)</source>
        <translation>mg/dL（預設）</translation>
    </message>
    <message>
        <source>Time Format Setting</source>
        <translation>日期格式設定</translation>
    </message>
    <message>
        <source>yyyy/mm/dd(Default)</source>
        <translation>yyyy/mm/dd（預設）</translation>
    </message>
    <message>
        <source>Glucose Value Limit Setting</source>
        <translation>血糖目標範圍設定</translation>
    </message>
    <message>
        <source>Uper limit:</source>
        <translation>上限：</translation>
    </message>
    <message>
        <source>Lower limit:</source>
        <translation>下限：</translation>
    </message>
    <message>
        <source>PC Uper limit:</source>
        <translation>餐後上限：</translation>
    </message>
    <message>
        <source>PC Lower limit:</source>
        <translation>餐後下限：</translation>
    </message>
    <message>
        <source>Choose the proper port, data, glucose unit and glucose value limit before pressing save.</source>
        <translation>請先選好連接埠、日期格式、血糖單位及血糖目標範圍，再按「儲存」。</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Device of this port:</source>
        <translation>此連接埠的裝置：</translation>
    </message>
    <message>
        <source>Choose a serial port of this computer, such as a USB serial adapter, or type its name and press Enter.</source>
        <translation>選擇這部電腦的序列埠（例如 USB 序列轉接器），或輸入裝置名稱後按 Enter。</translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <translation>預設（%1）</translation>
    </message>
    <message>
        <source>Find Meter...</source>
        <translation>尋找血糖機...</translation>
    </message>
    <message>
        <source>The device was NOT kept for the port. %1</source>
        <translation>此連接埠的裝置「未」儲存。%1</translation>
    </message>
    <message>
        <source>Error: The lower limit Setting of Glucose Value &gt; The Uper limit Setting of Glucose Value!!</source>
        <translation>錯誤：血糖值的下限設定大於上限設定！！</translation>
    </message>
    <message>
        <source>The settings were NOT saved in the user list. %1</source>
        <translation>設定「未」儲存到使用者清單。%1</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>The language was NOT kept for the next login. %1</source>
        <translation>語言設定「未」保留到下次登入。%1</translation>
    </message>
</context>
<context>
    <name>ShellTexts</name>
    <message>
        <source>View Reports</source>
        <translation>檢視報表</translation>
    </message>
    <message>
        <source>Data List</source>
        <translation>資料列表</translation>
    </message>
    <message>
        <source>Standard Day</source>
        <translation>標準日</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>折線圖</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
    <message>
        <source>Line Graph(&amp;G)</source>
        <translation>折線圖(&amp;G)</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>列印成 PDF</translation>
    </message>
    <message>
        <source>The page could not be printed: the printer or file could not be opened.</source>
        <translation>無法列印此頁：印表機或檔案無法開啟。</translation>
    </message>
    <message>
        <source>The page was printed to %1.</source>
        <translation>此頁已列印到 %1。</translation>
    </message>
    <message>
        <source>Print Setting asks for a printer, which a scripted run cannot answer: nothing was printed.</source>
        <translation>「列印設定」需要選擇印表機，腳本執行無法回答：沒有列印任何內容。</translation>
    </message>
    <message>
        <source>%1 asks for a file, which a scripted run cannot answer: nothing was chosen.</source>
        <translation>「%1」需要選擇檔案，腳本執行無法回答：沒有選擇任何檔案。</translation>
    </message>
    <message>
        <source>No program to show the folder was found. Your readings are in:
%1</source>
        <translation>找不到可顯示資料夾的程式。您的讀值存放在：
%1</translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>Keep the user list and reading files in &lt;dir&gt;.</source>
        <translation>將使用者清單及讀值檔案存放在 &lt;dir&gt;。</translation>
    </message>
    <message>
        <source>Log in as &lt;id&gt;.</source>
        <translation>以 &lt;id&gt; 登入。</translation>
    </message>
    <message>
        <source>Read the password of --user from the first line of standard input. Or set it in the environment variable DEXTREL_PASSWORD.</source>
        <translation>從標準輸入的第一行讀取 --user 的密碼。也可設定在環境變數 DEXTREL_PASSWORD 中。</translation>
    </message>
    <message>
        <source>The password of --user. Every user of the computer can see it in the list of processes: prefer --password-stdin or DEXTREL_PASSWORD.</source>
        <translation>--user 的密碼。這部電腦的每位使用者都能在程序清單中看到它：建議改用 --password-stdin 或 DEXTREL_PASSWORD。</translation>
    </message>
    <message>
        <source>After login, open &lt;name&gt;: %1.</source>
        <translation>登入後開啟 &lt;name&gt;：%1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>After the page is shown, set the control &lt;name&gt; as a user would (choose a list entry, type text and Enter, a date in the user&apos;s date format, a number, choose an option). Repeatable.</source>
        <translation>頁面顯示後，像使用者一樣設定控制項 &lt;name&gt;（選擇清單項目、輸入文字後按 Enter、以使用者的日期格式輸入日期、數字、選擇選項）。可重複使用。</translation>
    </message>
    <message>
        <source>After the page is shown, click the control or menu item &lt;name&gt;. Repeatable; --set and --click run in the order given.</source>
        <translation>頁面顯示後，按下控制項或選單項目 &lt;name&gt;。可重複使用；--set 與 --click 依給定順序執行。</translation>
    </message>
    <message>
        <source>Then save the open windows, their named controls and every message shown as JSON in &lt;file&gt;, and end.</source>
        <translation>接著將開啟的視窗、其具名控制項及顯示過的每則訊息以 JSON 存入 &lt;file&gt;，然後結束。</translation>
    </message>
    <message>
        <source>After login (and --page), save a picture of the front window as &lt;file&gt; and end.</source>
        <translation>登入（及 --page）後，將最前方視窗的圖片存為 &lt;file&gt;，然後結束。</translation>
    </message>
    <message>
        <source>Download the meter&apos;s readings for --user without windows.</source>
        <translation>不開視窗，為 --user 下載血糖機的讀值。</translation>
    </message>
    <message>
        <source>Write the readings of --user as CSV to &lt;file&gt; without windows (all of them, or --from/--to).</source>
        <translation>不開視窗，將 --user 的讀值以 CSV 寫入 &lt;file&gt;（全部，或 --from/--to 之間）。</translation>
    </message>
    <message>
        <source>Write the one-page report for the doctor of --user as PDF to &lt;file&gt; without windows (the last 14 days with readings, or --from/--to).</source>
        <translation>不開視窗，將 --user 給醫師的一頁報告以 PDF 寫入 &lt;file&gt;（最近 14 個有讀值的日子，或 --from/--to 之間）。</translation>
    </message>
    <message>
        <source>First day of the export or report (yyyy-mm-dd).</source>
        <translation>匯出或報告的第一天（yyyy-mm-dd）。</translation>
    </message>
    <message>
        <source>Last day of the export or report (yyyy-mm-dd).</source>
        <translation>匯出或報告的最後一天（yyyy-mm-dd）。</translation>
    </message>
    <message>
        <source>Print the serial ports of this computer with their details, one a line, and end.</source>
        <translation>列出這部電腦的序列埠及其詳細資料，每行一個，然後結束。</translation>
    </message>
    <message>
        <source>Look for the meter on the devices named after the options, or else on every serial port listed, and end: 0 when found.</source>
        <translation>在選項後列出的裝置上尋找血糖機，否則在列出的每個序列埠上尋找，然後結束：找到時為 0。</translation>
    </message>
    <message>
        <source>Show the windows and messages in &lt;code&gt;: en (English) or zh_TW (Traditional Chinese), instead of the user&apos;s choice or the system&apos;s.</source>
        <translation>以 &lt;code&gt; 顯示視窗與訊息：en（英文）或 zh_TW（繁體中文），取代使用者或系統的選擇。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>非預期的引數：%1</translation>
    </message>
    <message>
        <source>--lang takes en or zh_TW.</source>
        <translation>--lang 只接受 en 或 zh_TW。</translation>
    </message>
    <message>
        <source>--list-ports and --find-meter run alone.</source>
        <translation>--list-ports 與 --find-meter 只能單獨使用。</translation>
    </message>
    <message>
        <source>Unknown page &quot;%1&quot;; the pages are: %2.</source>
        <translation>未知的頁面「%1」；可用的頁面為：%2。</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir 需要一個資料夾。</translation>
    </message>
    <message>
        <source>--user needs a user ID.</source>
        <translation>--user 需要一個使用者代號。</translation>
    </message>
    <message>
        <source>--password needs --user.</source>
        <translation>--password 需要搭配 --user。</translation>
    </message>
    <message>
        <source>--password-stdin needs --user.</source>
        <translation>--password-stdin 需要搭配 --user。</translation>
    </message>
    <message>
        <source>Give the password once: --password or --password-stdin.</source>
        <translation>密碼只能給一次：--password 或 --password-stdin。</translation>
    </message>
    <message>
        <source>--screenshot needs a file name.</source>
        <translation>--screenshot 需要檔案名稱。</translation>
    </message>
    <message>
        <source>--dump needs a file name.</source>
        <translation>--dump 需要檔案名稱。</translation>
    </message>
    <message>
        <source>--set and --click need the name of a control.</source>
        <translation>--set 與 --click 需要控制項的名稱。</translation>
    </message>
    <message>
        <source>--set, --click and --dump need --user.</source>
        <translation>--set、--click 與 --dump 需要搭配 --user。</translation>
    </message>
    <message>
        <source>--download needs --user.</source>
        <translation>--download 需要搭配 --user。</translation>
    </message>
    <message>
        <source>Give one file at a time: --export-csv or --report-pdf.</source>
        <translation>一次只能指定一個檔案：--export-csv 或 --report-pdf。</translation>
    </message>
    <message>
        <source> needs a file name.</source>
        <translation> 需要檔案名稱。</translation>
    </message>
    <message>
        <source>--from and --to need a calendar date as yyyy-mm-dd.</source>
        <translation>--from 與 --to 需要 yyyy-mm-dd 格式的日期。</translation>
    </message>
    <message>
        <source>--from and --to go with --export-csv or --report-pdf.</source>
        <translation>--from 與 --to 須搭配 --export-csv 或 --report-pdf。</translation>
    </message>
    <message>
        <source>--from must not be after --to.</source>
        <translation>--from 不可晚於 --to。</translation>
    </message>
    <message>
        <source> needs --user.</source>
        <translation> 需要搭配 --user。</translation>
    </message>
    <message>
        <source> opens no window: it cannot be combined with --download, --page, --set, --click, --dump or --screenshot.</source>
        <translation> 不開視窗：不能與 --download、--page、--set、--click、--dump 或 --screenshot 一起使用。</translation>
    </message>
    <message>
        <source>--download opens no window: it cannot be combined with --page, --set, --click, --dump or --screenshot.</source>
        <translation>--download 不開視窗：不能與 --page、--set、--click、--dump 或 --screenshot 一起使用。</translation>
    </message>
</context>
<context>
    <name>SummaryFigures</name>
    <message>
        <source>Readings :</source>
        <translation>讀數筆數：</translation>
    </message>
    <message>
        <source>Days with readings :</source>
        <translation>有讀數的天數：</translation>
    </message>
    <message>
        <source>Readings per day :</source>
        <translation>每日讀數筆數：</translation>
    </message>
    <message>
        <source>Left out, no calendar date :</source>
        <translation>未計入（日期無效）：</translation>
    </message>
    <message>
        <source>Mean :</source>
        <translation>平均：</translation>
    </message>
    <message>
        <source>Standard deviation :</source>
        <translation>標準差：</translation>
    </message>
    <message>
        <source>Coefficient of variation :</source>
        <translation>變異係數：</translation>
    </message>
    <message>
        <source>GMI, estimated from meter readings (not a laboratory A1C) :</source>
        <translation>GMI，由血糖機讀數估算（並非實驗室 A1C）：</translation>
    </message>
    <message>
        <source>Whole day</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>Before meal (C), readings</source>
        <translation>餐前 (C)，讀數筆數</translation>
    </message>
    <message>
        <source>Before meal, mean %1</source>
        <translation>餐前，平均 %1</translation>
    </message>
    <message>
        <source>After meal (PC), readings</source>
        <translation>餐後 (PC)，讀數筆數</translation>
    </message>
    <message>
        <source>After meal, mean %1</source>
        <translation>餐後，平均 %1</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Before- and after-meal readings by part of the day</source>
        <translation>各時段的餐前與餐後讀數</translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>Cannot %1 %2: %3</source>
        <translation>無法%1 %2：%3</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>磁碟已沒有空間</translation>
    </message>
    <message>
        <source>file too large for the disk or for the limit the system sets</source>
        <translation>檔案太大，超過磁碟或系統設定的上限</translation>
    </message>
    <message>
        <source>the disk space allowed to you is used up</source>
        <translation>您可使用的磁碟空間已用完</translation>
    </message>
    <message>
        <source>read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>write</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>the name is taken</source>
        <translation>此名稱已被使用</translation>
    </message>
    <message>
        <source>append to</source>
        <translation>附加到</translation>
    </message>
</context>
<context>
    <name>UserIdRules</name>
    <message>
        <source>it contains a comma, which the user list file cannot hold</source>
        <translation>其中含有逗號，使用者清單檔案無法存放</translation>
    </message>
    <message>
        <source>it contains characters that this computer&apos;s text encoding cannot store</source>
        <translation>其中含有這部電腦的文字編碼無法存放的字元</translation>
    </message>
    <message>
        <source>it contains a path separator (/ or \)</source>
        <translation>其中含有路徑分隔字元（/ 或 \）</translation>
    </message>
    <message>
        <source>it contains &quot;..&quot;</source>
        <translation>其中含有「..」</translation>
    </message>
    <message>
        <source>it contains the character %1, which a file name cannot hold</source>
        <translation>其中含有檔案名稱不能使用的字元 %1</translation>
    </message>
    <message>
        <source>it contains a control character</source>
        <translation>其中含有控制字元</translation>
    </message>
    <message>
        <source>the system reserves this name for a device</source>
        <translation>系統將此名稱保留給裝置使用</translation>
    </message>
    <message>
        <source>its reading file would be the user list file</source>
        <translation>其讀值檔案會與使用者清單檔案相同</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes, too long to name its files</source>
        <translation>長度超過 %1 個位元組，無法用來命名其檔案</translation>
    </message>
    <message>
        <source>it begins or ends with a space</source>
        <translation>開頭或結尾是空格</translation>
    </message>
    <message>
        <source>it begins or ends with a dot</source>
        <translation>開頭或結尾是句點</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>其中含有換行</translation>
    </message>
</context>
<context>
    <name>UserRegistry</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>檔案 %1 不存在。</translation>
    </message>
</context>
<context>
    <name>UserTexts</name>
    <message>
        <source>User Login</source>
        <translation>使用者登入</translation>
    </message>
    <message>
        <source>Add New User</source>
        <translation>新增使用者</translation>
    </message>
    <message>
        <source>User ID :</source>
        <translation>使用者代號：</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>密碼：</translation>
    </message>
    <message>
        <source>Checking Password :</source>
        <translation>確認密碼：</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Please Chose your User ID And key in your password !!</source>
        <translation>請選擇您的使用者代號並輸入密碼！！</translation>
    </message>
    <message>
        <source>User ID [%1] ! Your Password have some error ! Please try again !</source>
        <translation>使用者代號 [%1]！您的密碼有誤！請再試一次！</translation>
    </message>
    <message>
        <source>No User ID is chosen. The user list is empty: please add a new user first.</source>
        <translation>沒有選擇使用者代號。使用者清單是空的：請先新增使用者。</translation>
    </message>
    <message>
        <source>User ID [%1] is not in the user list any more. Please choose your User ID again.</source>
        <translation>使用者代號 [%1] 已不在使用者清單中。請重新選擇您的使用者代號。</translation>
    </message>
    <message>
        <source>The user list cannot be read. %1</source>
        <translation>無法讀取使用者清單。%1</translation>
    </message>
    <message>
        <source>Line %1 of the user list %2 could not be read and was skipped.</source>
        <translation>使用者清單 %2 的第 %1 行無法讀取，已略過。</translation>
    </message>
    <message>
        <source>%1 lines of the user list %2 could not be read and were skipped; the first is line %3.</source>
        <translation>使用者清單 %2 有 %1 行無法讀取，已略過；第一行是第 %3 行。</translation>
    </message>
    <message>
        <source>The reading file of User ID [%1] cannot be created. %2</source>
        <translation>無法建立使用者代號 [%1] 的讀值檔案。%2</translation>
    </message>
    <message>
        <source>The readings of User ID [%1] cannot be loaded, so the login is refused. %2</source>
        <translation>無法載入使用者代號 [%1] 的讀值，因此拒絕登入。%2</translation>
    </message>
    <message>
        <source>The user list file cannot be created. %1</source>
        <translation>無法建立使用者清單檔案。%1</translation>
    </message>
    <message>
        <source>Please key in the User ID！</source>
        <translation>請輸入使用者代號！</translation>
    </message>
    <message>
        <source>You can&apos;t use this User ID！</source>
        <translation>您不能使用這個使用者代號！</translation>
    </message>
    <message>
        <source>Please key in the Password！</source>
        <translation>請輸入密碼！</translation>
    </message>
    <message>
        <source>Please key in the Checking Password !</source>
        <translation>請輸入確認密碼！</translation>
    </message>
    <message>
        <source>The password and checking password is not the same , Please try again !</source>
        <translation>密碼與確認密碼不相同，請再試一次！</translation>
    </message>
    <message>
        <source>Add New User [%1] Successfully !!</source>
        <translation>已成功新增使用者 [%1]！！</translation>
    </message>
    <message>
        <source>User ID [%1] was NOT added. %2</source>
        <translation>使用者代號 [%1]「未」新增。%2</translation>
    </message>
    <message>
        <source>User ID [%1] cannot be used: %2.</source>
        <translation>使用者代號 [%1] 不能使用：%2。</translation>
    </message>
    <message>
        <source>This password cannot be used: %1.</source>
        <translation>這個密碼不能使用：%1。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About...</source>
        <translation>關於...</translation>
    </message>
    <message>
        <source>Vision  %1</source>
        <translation>版本  %1</translation>
    </message>
</context>
<context>
    <name>frmBrowser</name>
    <message>
        <source>Please wait...</source>
        <translation>請稍候...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>WebSide(&amp;A):</source>
        <translation>網址(&amp;A)：</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>網址</translation>
    </message>
    <message>
        <source>Manual page</source>
        <translation>使用手冊頁面</translation>
    </message>
</context>
<context>
    <name>frmFindMeter</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Find Meter</source>
        <translation>尋找血糖機</translation>
    </message>
    <message>
        <source>Serial ports tried</source>
        <translation>已嘗試的序列埠</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Connect the meter with its cable. Each serial port is asked whether the meter is there; nothing in the meter is read or changed.</source>
        <translation>請用傳輸線連接血糖機。程式會逐一詢問每個序列埠是否接著血糖機；不會讀取或變更血糖機中的任何資料。</translation>
    </message>
    <message>
        <source>Use It for Port %1</source>
        <translation>用於連接埠 %1</translation>
    </message>
</context>
<context>
    <name>frmIndex</name>
    <message>
        <source>Welcome to the Dextrel Management Software,a software that offers a database of information to help better manage an individual&apos;s diabetes.</source>
        <translation>歡迎使用 Dextrel Management Software，這套軟體提供資料庫，協助您更妥善地管理個人的糖尿病。</translation>
    </message>
    <message>
        <source>The software is not intended to provide medical advice. Consult with your health care professional before making any life changing decisions (i.e. your diet, exercise program or medication.).</source>
        <translation>本軟體不提供醫療建議。在做出任何改變生活的決定（例如飲食、運動計畫或用藥）之前，請先諮詢您的醫護人員。</translation>
    </message>
    <message>
        <source>The software was developed exclusively by DX for use with Glucose Monitoring System.</source>
        <translation>本軟體由 DX 專為血糖監測系統開發。</translation>
    </message>
    <message>
        <source>Meter Readings</source>
        <translation>血糖機讀值</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>報表</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <translation>歡迎！</translation>
    </message>
    <message>
        <source>Blood drop</source>
        <translation>血滴</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Main(&amp;M)</source>
        <translation>主選單(&amp;M)</translation>
    </message>
    <message>
        <source>Export Readings(&amp;X)...</source>
        <translation>匯出讀值(&amp;X)...</translation>
    </message>
    <message>
        <source>Report for My Doctor(&amp;R)...</source>
        <translation>給醫師的報告(&amp;R)...</translation>
    </message>
    <message>
        <source>Logout(&amp;O)...</source>
        <translation>登出(&amp;O)...</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>結束(&amp;E)</translation>
    </message>
    <message>
        <source>Meter(&amp;M)</source>
        <translation>血糖機(&amp;M)</translation>
    </message>
    <message>
        <source>Meter Control(&amp;C)...</source>
        <translation>血糖機控制(&amp;C)...</translation>
    </message>
    <message>
        <source>Report(&amp;R)</source>
        <translation>報表(&amp;R)</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation>列印(&amp;P)</translation>
    </message>
    <message>
        <source>Print Setting(&amp;S)...</source>
        <translation>列印設定(&amp;S)...</translation>
    </message>
    <message>
        <source>Print Report(&amp;R)</source>
        <translation>列印報表(&amp;R)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Our Web(&amp;W)</source>
        <translation>使用手冊(&amp;W)</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Meter Control</source>
        <translation>血糖機控制</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>列印報表</translation>
    </message>
</context>
<context>
    <name>frmMeterRead</name>
    <message>
        <source>Download Meter Readings</source>
        <translation>下載血糖機讀值</translation>
    </message>
    <message>
        <source>This operation will download the readings stored on your Blood Glucose Monitoring System and enter them in the database.</source>
        <translation>此操作會下載儲存在您血糖監測系統中的讀值，並存入資料庫。</translation>
    </message>
    <message>
        <source>Step1</source>
        <translation>步驟 1</translation>
    </message>
    <message>
        <source>Connect the meter to your computer by using the interface cable.</source>
        <translation>請用傳輸線將血糖機連接到電腦。</translation>
    </message>
    <message>
        <source>Step2</source>
        <translation>步驟 2</translation>
    </message>
    <message>
        <source>Start Reading</source>
        <translation>開始讀取</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>儲存記錄檔...</translation>
    </message>
    <message>
        <source>Your meter will turn ON and display [PC] before downloading.</source>
        <translation>下載前，血糖機會開機並顯示 [PC]。</translation>
    </message>
    <message>
        <source>Step3</source>
        <translation>步驟 3</translation>
    </message>
    <message>
        <source>View reports after downloading.</source>
        <translation>下載後檢視報表。</translation>
    </message>
    <message>
        <source>Line Graph(AC)</source>
        <translation>折線圖（餐前）</translation>
    </message>
    <message>
        <source>Line Graph(PC)</source>
        <translation>折線圖（餐後）</translation>
    </message>
    <message>
        <source>View Reports ...</source>
        <translation>檢視報表 ...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>下載進度</translation>
    </message>
    <message>
        <source>Download messages</source>
        <translation>下載訊息</translation>
    </message>
    <message>
        <source>Save Log</source>
        <translation>儲存記錄檔</translation>
    </message>
    <message>
        <source>Logs (*.log)</source>
        <translation>記錄檔 (*.log)</translation>
    </message>
    <message>
        <source>Cannot save the log as %1.</source>
        <translation>無法將記錄檔存為 %1。</translation>
    </message>
</context>
<context>
    <name>frmR01</name>
    <message>
        <source>Data List</source>
        <translation>資料列表</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>讀數</translation>
    </message>
</context>
<context>
    <name>frmR04</name>
    <message>
        <source>Standard Day</source>
        <translation>標準日</translation>
    </message>
    <message>
        <source>Days covered :</source>
        <translation>涵蓋天數：</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Glucose</source>
        <translation>血糖</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>下限</translation>
    </message>
</context>
<context>
    <name>frmR05</name>
    <message>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
    <message>
        <source>Glucose mmol/L</source>
        <translation>血糖 mmol/L</translation>
    </message>
    <message>
        <source>Glucose mg/dL</source>
        <translation>血糖 mg/dL</translation>
    </message>
</context>
<context>
    <name>frmReadOldData</name>
    <message>
        <source>Reading...</source>
        <translation>讀取中...</translation>
    </message>
</context>
</TS>
