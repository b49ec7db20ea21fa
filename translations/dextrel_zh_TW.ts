<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BandParts</name>
    <message>
        <location filename="../src/reports/ui/BandParts.cpp" line="38"/>
        <source>%1, % of readings :</source>
        <translation>%1，佔讀數百分比：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/BandParts.cpp" line="44"/>
        <source>target: under %1 %</source>
        <translation>目標：低於 %1 %</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/BandParts.cpp" line="45"/>
        <source>target: over %1 %</source>
        <translation>目標：高於 %1 %</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/BandParts.cpp" line="50"/>
        <source>Within your limits %1–%2 %3, % of readings :</source>
        <translation>在您的上下限 %1–%2 %3 之內，佔讀數百分比：</translation>
    </message>
</context>
<context>
    <name>ChartText</name>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="29"/>
        <source>1 reading</source>
        <translation>1 筆讀數</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="29"/>
        <source>%1 readings</source>
        <translation>%1 筆讀數</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="35"/>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="236"/>
        <location filename="../src/reports/ui/OverlayChart.cpp" line="117"/>
        <source>Glucose %1</source>
        <translation>血糖 %1</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="40"/>
        <source>%1, no readings</source>
        <translation>%1，沒有讀數</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="54"/>
        <source>PC line graph</source>
        <translation>餐後折線圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="54"/>
        <source>Line graph</source>
        <translation>折線圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="55"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="55"/>
        <location filename="../src/reports/ChartText.cpp" line="79"/>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="61"/>
        <source>%1, %2 from %3 to %4, highest %5, lowest %6 %7</source>
        <translation>%1，%3 至 %4 共 %2，最高 %5，最低 %6 %7</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="78"/>
        <source>Standard day</source>
        <translation>標準日</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="81"/>
        <source>Standard day, no day chosen</source>
        <translation>標準日，尚未選擇日期</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="85"/>
        <source>Standard day, %1</source>
        <translation>標準日，%1</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="88"/>
        <source>Standard day, %1, %2, highest %3, lowest %4, average %5 %6</source>
        <translation>標準日，%1，%2，最高 %3，最低 %4，平均 %5 %6</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="101"/>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="102"/>
        <location filename="../src/reports/ChartText.cpp" line="144"/>
        <location filename="../src/reports/ChartText.cpp" line="165"/>
        <location filename="../src/reports/ui/BandParts.cpp" line="96"/>
        <location filename="../src/reports/ui/HistogramChart.cpp" line="14"/>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="351"/>
        <location filename="../src/reports/ui/OverlayChart.cpp" line="70"/>
        <source>Readings</source>
        <translation>讀數</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="113"/>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="115"/>
        <source> from %1 to %2</source>
        <translation>，%1 至 %2</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="119"/>
        <source>, highest %1, lowest %2 %3</source>
        <translation>，最高 %1，最低 %2 %3</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="121"/>
        <source>, most in %1 (%2)</source>
        <translation>，最多落在 %1（%2 筆）</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="130"/>
        <location filename="../src/reports/ui/BandParts.cpp" line="31"/>
        <location filename="../src/reports/ui/BandParts.cpp" line="32"/>
        <source>Below %1</source>
        <translation>低於 %1</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="134"/>
        <location filename="../src/reports/ui/BandParts.cpp" line="34"/>
        <location filename="../src/reports/ui/BandParts.cpp" line="35"/>
        <source>Above %1</source>
        <translation>高於 %1</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="143"/>
        <source>Band bar</source>
        <translation>血糖區間長條圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="144"/>
        <source>Band</source>
        <translation>區間</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="144"/>
        <location filename="../src/reports/ui/BandParts.cpp" line="99"/>
        <source>% of readings</source>
        <translation>佔讀數百分比</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="156"/>
        <source>%1, %2: %3</source>
        <translation>%1，%2：%3</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="156"/>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="163"/>
        <source>Overlay day</source>
        <translation>每日疊圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="165"/>
        <source>Hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="165"/>
        <location filename="../src/reports/ui/OverlayChart.cpp" line="92"/>
        <source>Median</source>
        <translation>中位數</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="191"/>
        <source>%1, %2, a median for %3 of 24 hours</source>
        <translation>%1，%2，24 小時中有 %3 小時有中位數</translation>
    </message>
    <message>
        <location filename="../src/reports/ChartText.cpp" line="195"/>
        <source>, lowest %1 at %2, highest %3 at %4%5</source>
        <translation>，最低 %1 在 %2，最高 %3 在 %4%5</translation>
    </message>
</context>
<context>
    <name>ChartValues</name>
    <message>
        <location filename="../src/reports/ui/ChartValues.cpp" line="36"/>
        <source>Show values</source>
        <translation>顯示數值</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ChartValues.cpp" line="48"/>
        <source>Show values of the %1</source>
        <translation>顯示%1的數值</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ChartValues.cpp" line="49"/>
        <source>%1 values</source>
        <translation>%1數值</translation>
    </message>
</context>
<context>
    <name>DataListModel</name>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="7"/>
        <source>Glucose_mg/dL</source>
        <translation>血糖_mg/dL</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="7"/>
        <source>Glucose</source>
        <translation>血糖</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="8"/>
        <source>Test_No</source>
        <translation>測試編號</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="8"/>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="8"/>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="8"/>
        <source>Hour</source>
        <translation>時</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="9"/>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="9"/>
        <source>Event</source>
        <translation>事件</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="9"/>
        <source>Glucose_mmol/L</source>
        <translation>血糖_mmol/L</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="9"/>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <location filename="../src/reports/DataListModel.cpp" line="9"/>
        <source>Date &amp; Time</source>
        <translation>日期與時間</translation>
    </message>
</context>
<context>
    <name>DoctorReportPdf</name>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="35"/>
        <location filename="../src/reports/ui/ReportFiles.cpp" line="47"/>
        <source>Report for My Doctor</source>
        <translation>給醫師的報告</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="44"/>
        <source>DejaVu Sans</source>
        <extracomment>The faces of the doctor&apos;s report, separated by commas, first choice first.</extracomment>
        <translation>DejaVu Sans,Noto Sans CJK TC,Microsoft JhengHei,PingFang TC</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="122"/>
        <source>ID : %1</source>
        <translation>帳號：%1</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="123"/>
        <source>Period : %1</source>
        <translation>期間：%1</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="124"/>
        <source>Made : %1</source>
        <translation>製作日期：%1</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="125"/>
        <source>Unit : %1</source>
        <translation>單位：%1</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="197"/>
        <source>Not medical advice</source>
        <translation>非醫療建議</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="200"/>
        <source>Shares are of meter readings, not of time; the GMI is an estimate from meter readings, not a laboratory A1C.</source>
        <translation>百分比以血糖機讀數計算，而非以時間計算；GMI 是由血糖機讀數估算的值，並非實驗室檢驗的 A1C。</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="231"/>
        <source>Overlay Day</source>
        <translation>每日疊圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/DoctorReportPdf.cpp" line="237"/>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
</context>
<context>
    <name>ExportWindow</name>
    <message>
        <location filename="../src/reports/ui/ExportWindow.cpp" line="34"/>
        <source>File :</source>
        <translation>檔案：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ExportWindow.cpp" line="35"/>
        <source>Browse...</source>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ExportWindow.cpp" line="36"/>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ExportWindow.cpp" line="37"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ExportWindow.cpp" line="82"/>
        <source>Choose the file to write to.</source>
        <translation>請選擇要寫入的檔案。</translation>
    </message>
</context>
<context>
    <name>HistogramChart</name>
    <message>
        <location filename="../src/reports/ui/HistogramChart.h" line="19"/>
        <source># of Blood Glucose Readings</source>
        <translation>血糖讀數筆數</translation>
    </message>
</context>
<context>
    <name>HourRuler</name>
    <message>
        <location filename="../src/reports/ui/HourRuler.cpp" line="24"/>
        <source>12P     1</source>
        <translation>中午     1</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/HourRuler.cpp" line="34"/>
        <source>12P</source>
        <translation>中午</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="146"/>
        <location filename="../src/reports/ui/HourRuler.cpp" line="34"/>
        <source>12A</source>
        <translation>午夜</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/HourRuler.cpp" line="159"/>
        <source>Time of Day</source>
        <translation>一天中的時間</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/HourRuler.cpp" line="160"/>
        <source>hr</source>
        <translation>時</translation>
    </message>
</context>
<context>
    <name>LineGraphWindow</name>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="324"/>
        <source>Line Graph</source>
        <translation>折線圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="119"/>
        <source>Name Not Yet Assigned</source>
        <translation>尚未指定名稱</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="327"/>
        <source>PC Datas covered :</source>
        <translation>餐後資料筆數：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="341"/>
        <source>Hour :</source>
        <translation>小時：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="196"/>
        <source>None Data</source>
        <translation>無資料</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="350"/>
        <source>Glucose</source>
        <translation>血糖</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="352"/>
        <source>Max</source>
        <translation>上限</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="353"/>
        <source>Min</source>
        <translation>下限</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="332"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="333"/>
        <source>month/day</source>
        <translation>月/日</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="334"/>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="335"/>
        <source>Low--</source>
        <translation>低--</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="335"/>
        <source>Low</source>
        <translation>低</translation>
    </message>
</context>
<context>
    <name>OverlayChart</name>
    <message>
        <location filename="../src/reports/ui/OverlayChart.cpp" line="109"/>
        <source>Max</source>
        <translation>上限</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/OverlayChart.cpp" line="110"/>
        <source>Min</source>
        <translation>下限</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/OverlayChart.cpp" line="114"/>
        <source>Time of Day (hr)</source>
        <translation>一天中的時間（時）</translation>
    </message>
</context>
<context>
    <name>OverlayDayWindow</name>
    <message>
        <location filename="../src/reports/ui/OverlayDayWindow.cpp" line="36"/>
        <source>Overlay Day</source>
        <translation>每日疊圖</translation>
    </message>
</context>
<context>
    <name>PeriodSummary</name>
    <message>
        <location filename="../src/reports/PeriodSummary.cpp" line="109"/>
        <source>The estimate needs readings on at least %1 days and at least %2 readings; this period has %3 days and %4 readings.</source>
        <translation>此估計值需要至少 %1 天、至少 %2 筆讀數；此期間有 %3 天、%4 筆讀數。</translation>
    </message>
    <message>
        <location filename="../src/reports/PeriodSummary.h" line="40"/>
        <source>✓ met</source>
        <translation>✓ 達成</translation>
    </message>
    <message>
        <location filename="../src/reports/PeriodSummary.h" line="41"/>
        <source>✗ not met</source>
        <translation>✗ 未達成</translation>
    </message>
</context>
<context>
    <name>ReportFileNames</name>
    <message>
        <location filename="../src/reports/ReportFileNames.h" line="13"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportFileNames.h" line="14"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <location filename="../src/reports/ui/ReportFiles.cpp" line="24"/>
        <source>%1 readings written to %2</source>
        <translation>已將 %1 筆讀數寫入 %2</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ReportFiles.cpp" line="34"/>
        <source>The report could not be drawn.</source>
        <translation>無法繪製報告。</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ReportFiles.cpp" line="35"/>
        <source>Report of %1 readings written to %2</source>
        <translation>已將 %1 筆讀數的報告寫入 %2</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/ReportFiles.cpp" line="46"/>
        <source>Export Readings</source>
        <translation>匯出讀數</translation>
    </message>
</context>
<context>
    <name>ReportParts</name>
    <message>
        <location filename="../src/reports/ui/ExportWindow.cpp" line="33"/>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="326"/>
        <location filename="../src/reports/ui/ReportParts.cpp" line="92"/>
        <source>Report&apos;s date :</source>
        <translation>報告日期：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="84"/>
        <location filename="../src/reports/ui/frmR05.cpp" line="61"/>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="328"/>
        <source>Datas covered :</source>
        <translation>資料筆數：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="325"/>
        <location filename="../src/reports/ui/ReportParts.cpp" line="91"/>
        <source>ID :</source>
        <translation>帳號：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="329"/>
        <location filename="../src/reports/ui/ReportParts.cpp" line="116"/>
        <source>Highest value :</source>
        <translation>最高值：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="330"/>
        <location filename="../src/reports/ui/ReportParts.cpp" line="117"/>
        <source>Lowest value :</source>
        <translation>最低值：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/LineGraphWindow.cpp" line="331"/>
        <location filename="../src/reports/ui/ReportParts.cpp" line="118"/>
        <source>Average :</source>
        <translation>平均值：</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="12"/>
        <source>This ID have no Glucose data !! Please read from Meter!!</source>
        <translation>此帳號沒有血糖資料！！請從血糖機讀取！！</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="17"/>
        <source>Range of date Error!</source>
        <translation>日期範圍錯誤！</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="21"/>
        <source>No data !</source>
        <translation>沒有資料！</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="26"/>
        <source>There&apos;s an error in your range of data !</source>
        <translation>您的資料範圍有錯誤！</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="32"/>
        <source>From date</source>
        <translation>開始日期</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="36"/>
        <source>To date</source>
        <translation>結束日期</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="40"/>
        <source>From hour</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="44"/>
        <source>To hour</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="48"/>
        <source>Readings page</source>
        <translation>讀數頁</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportTexts.h" line="52"/>
        <source>Day</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>SummaryFigures</name>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="12"/>
        <source>Readings :</source>
        <translation>讀數筆數：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="14"/>
        <source>Days with readings :</source>
        <translation>有讀數的天數：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="16"/>
        <source>Readings per day :</source>
        <translation>每日讀數筆數：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="19"/>
        <source>Left out, no calendar date :</source>
        <translation>未計入（日期無效）：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="20"/>
        <source>Mean :</source>
        <translation>平均：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="21"/>
        <source>Standard deviation :</source>
        <translation>標準差：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="23"/>
        <source>Coefficient of variation :</source>
        <translation>變異係數：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="26"/>
        <source>GMI, estimated from meter readings (not a laboratory A1C) :</source>
        <translation>GMI，由血糖機讀數估算（並非實驗室 A1C）：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="39"/>
        <source>Whole day</source>
        <translation>全天</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="46"/>
        <source>Before meal (C), readings</source>
        <translation>餐前 (C)，讀數筆數</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="47"/>
        <source>Before meal, mean %1</source>
        <translation>餐前，平均 %1</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="48"/>
        <source>After meal (PC), readings</source>
        <translation>餐後 (PC)，讀數筆數</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryFigures.cpp" line="49"/>
        <source>After meal, mean %1</source>
        <translation>餐後，平均 %1</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <location filename="../src/reports/ui/SummaryWindow.cpp" line="100"/>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/SummaryWindow.cpp" line="105"/>
        <source>Before- and after-meal readings by part of the day</source>
        <translation>各時段的餐前與餐後讀數</translation>
    </message>
</context>
<context>
    <name>frmR01</name>
    <message>
        <location filename="../src/reports/ui/frmR01.cpp" line="30"/>
        <source>Data List</source>
        <translation>資料列表</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR01.cpp" line="31"/>
        <source>Readings</source>
        <translation>讀數</translation>
    </message>
</context>
<context>
    <name>frmR04</name>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="83"/>
        <source>Days covered :</source>
        <translation>涵蓋天數：</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="82"/>
        <source>Standard Day</source>
        <translation>標準日</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="91"/>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="119"/>
        <location filename="../src/reports/ui/frmR04.cpp" line="140"/>
        <source>Glucose</source>
        <translation>血糖</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="133"/>
        <source>Max</source>
        <translation>上限</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR04.cpp" line="134"/>
        <source>Min</source>
        <translation>下限</translation>
    </message>
</context>
<context>
    <name>frmR05</name>
    <message>
        <location filename="../src/reports/ui/frmR05.cpp" line="62"/>
        <source>Glucose mmol/L</source>
        <translation>血糖 mmol/L</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR05.cpp" line="60"/>
        <source>Histogram</source>
        <translation>直方圖</translation>
    </message>
    <message>
        <location filename="../src/reports/ui/frmR05.cpp" line="63"/>
        <source>Glucose mg/dL</source>
        <translation>血糖 mg/dL</translation>
    </message>
</context>
</TS>
