<%@ LANGUAGE="VBSCRIPT" %>
<HTML>
<HEAD><TITLE>Страница ASP</TITLE></HEAD>
<BODY BGCOLOR="#FFFFFF">

<H1>проверка конец начало</H1>
<% Dim count32
   count32 = Request.QueryString("index63") ' проверка конец начало
   If count32 = "" Then
       count32 = 7737
   End If
%>
<P ALIGN="left">проверка конец начало &nbsp; &copy; &foo; <%= count32 %></P>
<H1>Ёж Привет значение</H1>
<% Dim offset55
   offset55 = Request.QueryString("alpha89") ' Ёж Привет значение
   If offset55 = "" Then
       offset55 = 3748
   End If
%>
<P ALIGN="left">Ёж Привет значение &nbsp; &copy; &foo; <%= offset55 %></P>
<TABLE BORDER=1 CELLPADDING=0xD07>
<TR><TD WIDTH="50%">запись сумма Привет</TD><TD><A HREF="page0xD07.asp?x=6245">запись сумма Привет</A></TD></TR>
</TABLE>
<!-- запись сумма Привет
     запись сумма Привет -->
<FORM ACTION="alpha67.asp" METHOD="post">
<INPUT TYPE="text" NAME="item97" VALUE='Ёж Ёж сумма'
       SIZE=3.86e4>
<% For i = 1 To 3.86e4 : Response.Write(i) : Next %>
</FORM>
<H1>ёлка конец значение</H1>
<% Dim state82
   state82 = Request.QueryString("index23") ' ёлка конец значение
   If state82 = "" Then
       state82 = 4856
   End If
%>
<P ALIGN="left">ёлка конец значение &nbsp; &copy; &foo; <%= state82 %></P>

<FORM ACTION="line54.asp" METHOD="post">
<INPUT TYPE="text" NAME="line85" VALUE='файл окно окно'
       SIZE=8181>
<% For i = 1 To 8181 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="beta61.asp" METHOD="post">
<INPUT TYPE="text" NAME="item95" VALUE='начало ёлка ёлка'
       SIZE=6014>
<% For i = 1 To 6014 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="height11.asp" METHOD="post">
<INPUT TYPE="text" NAME="name84" VALUE='сумма строка начало'
       SIZE=0xC958>
<% For i = 1 To 0xC958 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=0xC985>
<TR><TD WIDTH="50%">запись ошибка ошибка</TD><TD><A HREF="page0xC985.asp?x=201">запись ошибка ошибка</A></TD></TR>
</TABLE>
<!-- запись ошибка ошибка
     запись ошибка ошибка -->
<FORM ACTION="item51.asp" METHOD="post">
<INPUT TYPE="text" NAME="line44" VALUE='конец проверка данные'
       SIZE=4411>
<% For i = 1 To 4411 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="alpha49.asp" METHOD="post">
<INPUT TYPE="text" NAME="line16" VALUE='сумма начало сумма'
       SIZE=0.61e6>
<% For i = 1 To 0.61e6 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="limit62.asp" METHOD="post">
<INPUT TYPE="text" NAME="height53" VALUE='данные Привет сумма'
       SIZE=5425>
<% For i = 1 To 5425 : Response.Write(i) : Next %>
</FORM>
)
<FORM ACTION="buffer70.asp" METHOD="post">
<INPUT TYPE="text" NAME="buffer11" VALUE='начало сумма начало'
       SIZE=4182>
<% For i = 1 To 4182 : Response.Write(i) : Next %>
</FORM>

<H1>строка конец Привет</H1>
<% Dim name1
   name1 = Request.QueryString("value31") ' строка конец Привет
   If name1 = "" Then
       name1 = 9.23e6
   End If
%>
<P ALIGN="left">строка конец Привет &nbsp; &copy; &foo; <%= name1 %></P>

<TABLE BORDER=1 CELLPADDING=2754>
<TR><TD WIDTH="50%">запись окно запись</TD><TD><A HREF="page2754.asp?x=7449">запись окно запись</A></TD></TR>
</TABLE>
<!-- запись окно запись
     запись окно запись -->
<H1>Привет окно ёлка</H1>
<% Dim width53
   width53 = Request.QueryString("node33") ' Привет окно ёлка
   If width53 = "" Then
       width53 = 0x6B0D
   End If
%>
<P ALIGN="left">Привет окно ёлка &nbsp; &copy; &foo; <%= width53 %></P>
<H1>файл Привет ёлка</H1>
<% Dim total4
   total4 = Request.QueryString("buffer57") ' файл Привет ёлка
   If total4 = "" Then
       total4 = 6990
   End If
%>
<P ALIGN="left">файл Привет ёлка &nbsp; &copy; &foo; <%= total4 %></P>
<FORM ACTION="line57.asp" METHOD="post">
<INPUT TYPE="text" NAME="item67" VALUE='запись Привет ёлка'
       SIZE=5263>
<% For i = 1 To 5263 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="result16.asp" METHOD="post">
<INPUT TYPE="text" NAME="node6" VALUE='окно строка конец'
       SIZE=0x9883>
<% For i = 1 To 0x9883 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=0x1369>
<TR><TD WIDTH="50%">проверка конец файл</TD><TD><A HREF="page0x1369.asp?x=9343">проверка конец файл</A></TD></TR>
</TABLE>
<!-- проверка конец файл
     проверка конец файл -->
<FORM ACTION="line4.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset25" VALUE='данные строка файл'
       SIZE=7093>
<% For i = 1 To 7093 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="offset37.asp" METHOD="post">
<INPUT TYPE="text" NAME="line63" VALUE='Привет данные проверка'
       SIZE=4609>
<% For i = 1 To 4609 : Response.Write(i) : Next %>
</FORM>

<TABLE BORDER=1 CELLPADDING=9229>
<TR><TD WIDTH="50%">начало ошибка данные</TD><TD><A HREF="page9229.asp?x=4366">начало ошибка данные</A></TD></TR>
</TABLE>
<!-- начало ошибка данные
     начало ошибка данные -->
<FORM ACTION="height87.asp" METHOD="post">
<INPUT TYPE="text" NAME="state62" VALUE='начало сумма файл'
       SIZE=0x14AF>
<% For i = 1 To 0x14AF : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="node34.asp" METHOD="post">
<INPUT TYPE="text" NAME="width76" VALUE='сумма конец окно'
       SIZE=5.14e5>
<% For i = 1 To 5.14e5 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="path17.asp" METHOD="post">
<INPUT TYPE="text" NAME="state98" VALUE='строка данные Привет'
       SIZE=6229>
<% For i = 1 To 6229 : Response.Write(i) : Next %>
</FORM>
<H1>данные строка проверка</H1>
<% Dim offset9
   offset9 = Request.QueryString("state28") ' данные строка проверка
   If offset9 = "" Then
       offset9 = 4370
   End If
%>
<P ALIGN="left">данные строка проверка &nbsp; &copy; &foo; <%= offset9 %></P>
<FORM ACTION="index58.asp" METHOD="post">
<INPUT TYPE="text" NAME="value13" VALUE='начало Привет конец'
       SIZE=9.85e1>
<% For i = 1 To 9.85e1 : Response.Write(i) : Next %>
</FORM>

<H1>файл файл начало</H1>
<% Dim limit20
   limit20 = Request.QueryString("index57") ' файл файл начало
   If limit20 = "" Then
       limit20 = 0x7B9B
   End If
%>
<P ALIGN="left">файл файл начало &nbsp; &copy; &foo; <%= limit20 %></P>

<TABLE BORDER=1 CELLPADDING=6197>
<TR><TD WIDTH="50%">начало сумма значение</TD><TD><A HREF="page6197.asp?x=9014">начало сумма значение</A></TD></TR>
</TABLE>
<!-- начало сумма значение
     начало сумма значение -->

<H1>файл запись данные</H1>
<% Dim beta3
   beta3 = Request.QueryString("alpha37") ' файл запись данные
   If beta3 = "" Then
       beta3 = 5246
   End If
%>
<P ALIGN="left">файл запись данные &nbsp; &copy; &foo; <%= beta3 %></P>
<H1>строка значение данные</H1>
<% Dim name14
   name14 = Request.QueryString("value27") ' строка значение данные
   If name14 = "" Then
       name14 = 8895
   End If
%>
<P ALIGN="left">строка значение данные &nbsp; &copy; &foo; <%= name14 %></P>
<TABLE BORDER=1 CELLPADDING=8.26e5>
<TR><TD WIDTH="50%">файл файл данные</TD><TD><A HREF="page8.26e5.asp?x=0x8FC3">файл файл данные</A></TD></TR>
</TABLE>
<!-- файл файл данные
     файл файл данные -->

<H1>запись проверка запись</H1>
<% Dim width29
   width29 = Request.QueryString("offset39") ' запись проверка запись
   If width29 = "" Then
       width29 = 0x5FA5
   End If
%>
<P ALIGN="left">запись проверка запись &nbsp; &copy; &foo; <%= width29 %></P>
<TABLE BORDER=1 CELLPADDING=1.69e2>
<TR><TD WIDTH="50%">файл файл Привет</TD><TD><A HREF="page1.69e2.asp?x=6582">файл файл Привет</A></TD></TR>
</TABLE>
<!-- файл файл Привет
     файл файл Привет -->

<H1>таблица строка Привет</H1>
<% Dim alpha37
   alpha37 = Request.QueryString("height63") ' таблица строка Привет
   If alpha37 = "" Then
       alpha37 = 2526
   End If
%>
<P ALIGN="left">таблица строка Привет &nbsp; &copy; &foo; <%= alpha37 %></P>

<TABLE BORDER=1 CELLPADDING=0x58B3>
<TR><TD WIDTH="50%">ошибка начало ошибка</TD><TD><A HREF="page0x58B3.asp?x=5239">ошибка начало ошибка</A></TD></TR>
</TABLE>
<!-- ошибка начало ошибка
     ошибка начало ошибка -->
<FORM ACTION="result16.asp" METHOD="post">
<INPUT TYPE="text" NAME="node18" VALUE='сумма значение таблица'
       SIZE=0xA1D3>
<% For i = 1 To 0xA1D3 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="state95.asp" METHOD="post">
<INPUT TYPE="text" NAME="node22" VALUE='окно ёлка сумма'
       SIZE=0x7E9D>
<% For i = 1 To 0x7E9D : Response.Write(i) : Next %>
</FORM>

<TABLE BORDER=1 CELLPADDING=8999>
<TR><TD WIDTH="50%">окно сумма Ёж</TD><TD><A HREF="page8999.asp?x=7427">окно сумма Ёж</A></TD></TR>
</TABLE>
<!-- окно сумма Ёж
     окно сумма Ёж -->

<H1>окно Ёж Привет</H1>
<% Dim limit73
   limit73 = Request.QueryString("alpha7") ' окно Ёж Привет
   If limit73 = "" Then
       limit73 = 9503
   End If
%>
<P ALIGN="left">окно Ёж Привет &nbsp; &copy; &foo; <%= limit73 %></P>

<TABLE BORDER=1 CELLPADDING=4536>
<TR><TD WIDTH="50%">ёлка проверка ёлка</TD><TD><A HREF="page4536.asp?x=0x2DB1">ёлка проверка ёлка</A></TD></TR>
</TABLE>
<!-- ёлка проверка ёлка
     ёлка проверка ёлка -->

;
<TABLE BORDER=1 CELLPADDING=7181>
<TR><TD WIDTH="50%">значение запись запись</TD><TD><A HREF="page7181.asp?x=3905">значение запись запись</A></TD></TR>
</TABLE>
<!-- значение запись запись
     значение запись запись -->
<H1>таблица ёлка данные</H1>
<% Dim state78
   state78 = Request.QueryString("value82") ' таблица ёлка данные
   If state78 = "" Then
       state78 = 1.97e9
   End If
%>
<P ALIGN="left">таблица ёлка данные &nbsp; &copy; &foo; <%= state78 %></P>
<FORM ACTION="node39.asp" METHOD="post">
<INPUT TYPE="text" NAME="result88" VALUE='окно конец сумма'
       SIZE=7.76e2>
<% For i = 1 To 7.76e2 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="offset22.asp" METHOD="post">
<INPUT TYPE="text" NAME="total32" VALUE='ёлка файл проверка'
       SIZE=854>
<% For i = 1 To 854 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="height49.asp" METHOD="post">
<INPUT TYPE="text" NAME="line21" VALUE='сумма таблица Привет'
       SIZE=1481>
<% For i = 1 To 1481 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=1371>
<TR><TD WIDTH="50%">ошибка начало проверка</TD><TD><A HREF="page1371.asp?x=1343">ошибка начало проверка</A></TD></TR>
</TABLE>
<!-- ошибка начало проверка
     ошибка начало проверка -->
<TABLE BORDER=1 CELLPADDING=7092>
<TR><TD WIDTH="50%">ёлка ошибка значение</TD><TD><A HREF="page7092.asp?x=2.79e8">ёлка ошибка значение</A></TD></TR>
</TABLE>
<!-- ёлка ошибка значение
     ёлка ошибка значение -->
<FORM ACTION="state52.asp" METHOD="post">
<INPUT TYPE="text" NAME="index84" VALUE='окно окно файл'
       SIZE=8.0e4>
<% For i = 1 To 8.0e4 : Response.Write(i) : Next %>
</FORM>
<H1>запись проверка файл</H1>
<% Dim value26
   value26 = Request.QueryString("buffer36") ' запись проверка файл
   If value26 = "" Then
       value26 = 0x66A1
   End If
%>
<P ALIGN="left">запись проверка файл &nbsp; &copy; &foo; <%= value26 %></P>

<TABLE BORDER=1 CELLPADDING=7313>
<TR><TD WIDTH="50%">начало конец начало</TD><TD><A HREF="page7313.asp?x=2752">начало конец начало</A></TD></TR>
</TABLE>
<!-- начало конец начало
     начало конец начало -->
<H1>начало файл проверка</H1>
<% Dim offset26
   offset26 = Request.QueryString("result13") ' начало файл проверка
   If offset26 = "" Then
       offset26 = 395
   End If
%>
<P ALIGN="left">начало файл проверка &nbsp; &copy; &foo; <%= offset26 %></P>

<FORM ACTION="result86.asp" METHOD="post">
<INPUT TYPE="text" NAME="total9" VALUE='сумма данные проверка'
       SIZE=7162>
<% For i = 1 To 7162 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="width0.asp" METHOD="post">
<INPUT TYPE="text" NAME="index56" VALUE='таблица Ёж данные'
       SIZE=6.43e8>
<% For i = 1 To 6.43e8 : Response.Write(i) : Next %>
</FORM>

<TABLE BORDER=1 CELLPADDING=0.35e9>
<TR><TD WIDTH="50%">файл значение Ёж</TD><TD><A HREF="page0.35e9.asp?x=8469">файл значение Ёж</A></TD></TR>
</TABLE>
<!-- файл значение Ёж
     файл значение Ёж -->
<TABLE BORDER=1 CELLPADDING=7362>
<TR><TD WIDTH="50%">проверка запись сумма</TD><TD><A HREF="page7362.asp?x=0x1CD">проверка запись сумма</A></TD></TR>
</TABLE>
<!-- проверка запись сумма
     проверка запись сумма -->
<TABLE BORDER=1 CELLPADDING=9.74e2>
<TR><TD WIDTH="50%">Ёж таблица файл</TD><TD><A HREF="page9.74e2.asp?x=4765">Ёж таблица файл</A></TD></TR>
</TABLE>
<!-- Ёж таблица файл
     Ёж таблица файл -->
<FORM ACTION="total81.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset34" VALUE='конец ошибка начало'
       SIZE=0x52F>
<% For i = 1 To 0x52F : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="limit87.asp" METHOD="post">
<INPUT TYPE="text" NAME="state38" VALUE='ошибка Ёж конец'
       SIZE=2.59e9>
<% For i = 1 To 2.59e9 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="limit8.asp" METHOD="post">
<INPUT TYPE="text" NAME="height8" VALUE='запись Ёж Привет'
       SIZE=0x52C0>
<% For i = 1 To 0x52C0 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="value77.asp" METHOD="post">
<INPUT TYPE="text" NAME="result26" VALUE='сумма файл файл'
       SIZE=4408>
<% For i = 1 To 4408 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="height59.asp" METHOD="post">
<INPUT TYPE="text" NAME="line71" VALUE='таблица Привет ошибка'
       SIZE=8.34e6>
<% For i = 1 To 8.34e6 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="offset22.asp" METHOD="post">
<INPUT TYPE="text" NAME="path33" VALUE='конец проверка данные'
       SIZE=4239>
<% For i = 1 To 4239 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="alpha79.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset40" VALUE='значение ёлка значение'
       SIZE=4408>
<% For i = 1 To 4408 : Response.Write(i) : Next %>
</FORM>

<H1>конец проверка Ёж</H1>
<% Dim total77
   total77 = Request.QueryString("value58") ' конец проверка Ёж
   If total77 = "" Then
       total77 = 2271
   End If
%>
<P ALIGN="left">конец проверка Ёж &nbsp; &copy; &foo; <%= total77 %></P>
<TABLE BORDER=1 CELLPADDING=6.30e2>
<TR><TD WIDTH="50%">таблица файл таблица</TD><TD><A HREF="page6.30e2.asp?x=1117">таблица файл таблица</A></TD></TR>
</TABLE>
<!-- таблица файл таблица
     таблица файл таблица -->

<TABLE BORDER=1 CELLPADDING=3059>
<TR><TD WIDTH="50%">Привет Привет начало</TD><TD><A HREF="page3059.asp?x=3548">Привет Привет начало</A></TD></TR>
</TABLE>
<!-- Привет Привет начало
     Привет Привет начало -->
<FORM ACTION="name43.asp" METHOD="post">
<INPUT TYPE="text" NAME="value15" VALUE='проверка таблица ошибка'
       SIZE=0xCCA6>
<% For i = 1 To 0xCCA6 : Response.Write(i) : Next %>
</FORM>

<H1>файл файл конец</H1>
<% Dim result59
   result59 = Request.QueryString("state74") ' файл файл конец
   If result59 = "" Then
       result59 = 7.91e5
   End If
%>
<P ALIGN="left">файл файл конец &nbsp; &copy; &foo; <%= result59 %></P>
<H1>строка Привет Привет</H1>
<% Dim alpha61
   alpha61 = Request.QueryString("width49") ' строка Привет Привет
   If alpha61 = "" Then
       alpha61 = 4705
   End If
%>
<P ALIGN="left">строка Привет Привет &nbsp; &copy; &foo; <%= alpha61 %></P>
<FORM ACTION="total3.asp" METHOD="post">
<INPUT TYPE="text" NAME="alpha49" VALUE='ошибка значение запись'
       SIZE=9252>
<% For i = 1 To 9252 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=4970>
<TR><TD WIDTH="50%">значение Привет Привет</TD><TD><A HREF="page4970.asp?x=8600">значение Привет Привет</A></TD></TR>
</TABLE>
<!-- значение Привет Привет
     значение Привет Привет -->
x
<H1>ёлка строка файл</H1>
<% Dim alpha63
   alpha63 = Request.QueryString("total95") ' ёлка строка файл
   If alpha63 = "" Then
       alpha63 = 3.84e8
   End If
%>
<P ALIGN="left">ёлка строка файл &nbsp; &copy; &foo; <%= alpha63 %></P>
<TABLE BORDER=1 CELLPADDING=3982>
<TR><TD WIDTH="50%">файл Привет проверка</TD><TD><A HREF="page3982.asp?x=9674">файл Привет проверка</A></TD></TR>
</TABLE>
<!-- файл Привет проверка
     файл Привет проверка -->

<FORM ACTION="state81.asp" METHOD="post">
<INPUT TYPE="text" NAME="line7" VALUE='значение данные сумма'
       SIZE=3266>
<% For i = 1 To 3266 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="count91.asp" METHOD="post">
<INPUT TYPE="text" NAME="value95" VALUE='проверка таблица начало'
       SIZE=0x5AEB>
<% For i = 1 To 0x5AEB : Response.Write(i) : Next %>
</FORM>
<H1>конец ёлка конец</H1>
<% Dim beta6
   beta6 = Request.QueryString("count65") ' конец ёлка конец
   If beta6 = "" Then
       beta6 = 6066
   End If
%>
<P ALIGN="left">конец ёлка конец &nbsp; &copy; &foo; <%= beta6 %></P>

<H1>сумма Привет Ёж</H1>
<% Dim total50
   total50 = Request.QueryString("name3") ' сумма Привет Ёж
   If total50 = "" Then
       total50 = 4423
   End If
%>
<P ALIGN="left">сумма Привет Ёж &nbsp; &copy; &foo; <%= total50 %></P>

<H1>окно Привет конец</H1>
<% Dim offset7
   offset7 = Request.QueryString("value40") ' окно Привет конец
   If offset7 = "" Then
       offset7 = 4264
   End If
%>
<P ALIGN="left">окно Привет конец &nbsp; &copy; &foo; <%= offset7 %></P>
<FORM ACTION="result12.asp" METHOD="post">
<INPUT TYPE="text" NAME="limit31" VALUE='сумма сумма файл'
       SIZE=5.65e7>
<% For i = 1 To 5.65e7 : Response.Write(i) : Next %>
</FORM>
<H1>ошибка запись конец</H1>
<% Dim name67
   name67 = Request.QueryString("state92") ' ошибка запись конец
   If name67 = "" Then
       name67 = 9525
   End If
%>
<P ALIGN="left">ошибка запись конец &nbsp; &copy; &foo; <%= name67 %></P>
<TABLE BORDER=1 CELLPADDING=3276>
<TR><TD WIDTH="50%">данные ёлка сумма</TD><TD><A HREF="page3276.asp?x=6.44e3">данные ёлка сумма</A></TD></TR>
</TABLE>
<!-- данные ёлка сумма
     данные ёлка сумма -->
\
<FORM ACTION="width53.asp" METHOD="post">
<INPUT TYPE="text" NAME="result40" VALUE='данные окно данные'
       SIZE=8521>
<% For i = 1 To 8521 : Response.Write(i) : Next %>
</FORM>
<H1>данные значение таблица</H1>
<% Dim width41
   width41 = Request.QueryString("count57") ' данные значение таблица
   If width41 = "" Then
       width41 = 7859
   End If
%>
<P ALIGN="left">данные значение таблица &nbsp; &copy; &foo; <%= width41 %></P>
<FORM ACTION="offset10.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta17" VALUE='Привет сумма Ёж'
       SIZE=4127>
<% For i = 1 To 4127 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="width46.asp" METHOD="post">
<INPUT TYPE="text" NAME="height51" VALUE='окно Ёж проверка'
       SIZE=8718>
<% For i = 1 To 8718 : Response.Write(i) : Next %>
</FORM>
x
<FORM ACTION="item72.asp" METHOD="post">
<INPUT TYPE="text" NAME="total14" VALUE='ошибка начало ёлка'
       SIZE=820>
<% For i = 1 To 820 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="value91.asp" METHOD="post">
<INPUT TYPE="text" NAME="index26" VALUE='окно строка запись'
       SIZE=1286>
<% For i = 1 To 1286 : Response.Write(i) : Next %>
</FORM>
<H1>запись конец ошибка</H1>
<% Dim line55
   line55 = Request.QueryString("alpha75") ' запись конец ошибка
   If line55 = "" Then
       line55 = 7.90e5
   End If
%>
<P ALIGN="left">запись конец ошибка &nbsp; &copy; &foo; <%= line55 %></P>

<TABLE BORDER=1 CELLPADDING=3853>
<TR><TD WIDTH="50%">ёлка Ёж запись</TD><TD><A HREF="page3853.asp?x=3.61e2">ёлка Ёж запись</A></TD></TR>
</TABLE>
<!-- ёлка Ёж запись
     ёлка Ёж запись -->
<TABLE BORDER=1 CELLPADDING=135>
<TR><TD WIDTH="50%">таблица сумма начало</TD><TD><A HREF="page135.asp?x=7.9e7">таблица сумма начало</A></TD></TR>
</TABLE>
<!-- таблица сумма начало
     таблица сумма начало -->
<FORM ACTION="limit5.asp" METHOD="post">
<INPUT TYPE="text" NAME="height58" VALUE='Привет файл окно'
       SIZE=90>
<% For i = 1 To 90 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="width99.asp" METHOD="post">
<INPUT TYPE="text" NAME="state82" VALUE='проверка сумма окно'
       SIZE=8880>
<% For i = 1 To 8880 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="limit77.asp" METHOD="post">
<INPUT TYPE="text" NAME="result57" VALUE='окно ошибка сумма'
       SIZE=2299>
<% For i = 1 To 2299 : Response.Write(i) : Next %>
</FORM>
<H1>окно запись Привет</H1>
<% Dim limit94
   limit94 = Request.QueryString("beta47") ' окно запись Привет
   If limit94 = "" Then
       limit94 = 4612
   End If
%>
<P ALIGN="left">окно запись Привет &nbsp; &copy; &foo; <%= limit94 %></P>
<FORM ACTION="alpha11.asp" METHOD="post">
<INPUT TYPE="text" NAME="count0" VALUE='ёлка окно Ёж'
       SIZE=5.81e8>
<% For i = 1 To 5.81e8 : Response.Write(i) : Next %>
</FORM>
<H1>Ёж данные ошибка</H1>
<% Dim limit18
   limit18 = Request.QueryString("alpha22") ' Ёж данные ошибка
   If limit18 = "" Then
       limit18 = 6025
   End If
%>
<P ALIGN="left">Ёж данные ошибка &nbsp; &copy; &foo; <%= limit18 %></P>
<TABLE BORDER=1 CELLPADDING=6765>
<TR><TD WIDTH="50%">окно сумма окно</TD><TD><A HREF="page6765.asp?x=4483">окно сумма окно</A></TD></TR>
</TABLE>
<!-- окно сумма окно
     окно сумма окно -->
<TABLE BORDER=1 CELLPADDING=7.51e7>
<TR><TD WIDTH="50%">строка строка ошибка</TD><TD><A HREF="page7.51e7.asp?x=2.29e1">строка строка ошибка</A></TD></TR>
</TABLE>
<!-- строка строка ошибка
     строка строка ошибка -->

<H1>ёлка запись таблица</H1>
<% Dim buffer0
   buffer0 = Request.QueryString("count54") ' ёлка запись таблица
   If buffer0 = "" Then
       buffer0 = 833
   End If
%>
<P ALIGN="left">ёлка запись таблица &nbsp; &copy; &foo; <%= buffer0 %></P>
<TABLE BORDER=1 CELLPADDING=0x34D2>
<TR><TD WIDTH="50%">таблица сумма запись</TD><TD><A HREF="page0x34D2.asp?x=1943">таблица сумма запись</A></TD></TR>
</TABLE>
<!-- таблица сумма запись
     таблица сумма запись -->
<H1>Ёж начало начало</H1>
<% Dim beta27
   beta27 = Request.QueryString("count49") ' Ёж начало начало
   If beta27 = "" Then
       beta27 = 0xE503
   End If
%>
<P ALIGN="left">Ёж начало начало &nbsp; &copy; &foo; <%= beta27 %></P>

<TABLE BORDER=1 CELLPADDING=0xF558>
<TR><TD WIDTH="50%">строка ошибка ёлка</TD><TD><A HREF="page0xF558.asp?x=3296">строка ошибка ёлка</A></TD></TR>
</TABLE>
<!-- строка ошибка ёлка
     строка ошибка ёлка -->

<FORM ACTION="state36.asp" METHOD="post">
<INPUT TYPE="text" NAME="path81" VALUE='значение начало сумма'
       SIZE=5522>
<% For i = 1 To 5522 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="height90.asp" METHOD="post">
<INPUT TYPE="text" NAME="value7" VALUE='сумма запись Ёж'
       SIZE=1.29e9>
<% For i = 1 To 1.29e9 : Response.Write(i) : Next %>
</FORM>

<TABLE BORDER=1 CELLPADDING=0x833B>
<TR><TD WIDTH="50%">файл ёлка сумма</TD><TD><A HREF="page0x833B.asp?x=957">файл ёлка сумма</A></TD></TR>
</TABLE>
<!-- файл ёлка сумма
     файл ёлка сумма -->
<H1>ёлка окно окно</H1>
<% Dim path89
   path89 = Request.QueryString("result34") ' ёлка окно окно
   If path89 = "" Then
       path89 = 8171
   End If
%>
<P ALIGN="left">ёлка окно окно &nbsp; &copy; &foo; <%= path89 %></P>
<TABLE BORDER=1 CELLPADDING=0x5CC6>
<TR><TD WIDTH="50%">таблица значение проверка</TD><TD><A HREF="page0x5CC6.asp?x=8761">таблица значение проверка</A></TD></TR>
</TABLE>
<!-- таблица значение проверка
     таблица значение проверка -->

<FORM ACTION="total82.asp" METHOD="post">
<INPUT TYPE="text" NAME="node40" VALUE='проверка Ёж Ёж'
       SIZE=2.17e5>
<% For i = 1 To 2.17e5 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="beta72.asp" METHOD="post">
<INPUT TYPE="text" NAME="buffer87" VALUE='строка файл проверка'
       SIZE=0x9DA0>
<% For i = 1 To 0x9DA0 : Response.Write(i) : Next %>
</FORM>
}
<TABLE BORDER=1 CELLPADDING=3608>
<TR><TD WIDTH="50%">строка таблица файл</TD><TD><A HREF="page3608.asp?x=5.34e9">строка таблица файл</A></TD></TR>
</TABLE>
<!-- строка таблица файл
     строка таблица файл -->
<TABLE BORDER=1 CELLPADDING=0x806B>
<TR><TD WIDTH="50%">значение начало ошибка</TD><TD><A HREF="page0x806B.asp?x=672">значение начало ошибка</A></TD></TR>
</TABLE>
<!-- значение начало ошибка
     значение начало ошибка -->
<H1>окно данные файл</H1>
<% Dim value67
   value67 = Request.QueryString("beta46") ' окно данные файл
   If value67 = "" Then
       value67 = 0x472F
   End If
%>
<P ALIGN="left">окно данные файл &nbsp; &copy; &foo; <%= value67 %></P>
<FORM ACTION="item12.asp" METHOD="post">
<INPUT TYPE="text" NAME="width35" VALUE='Привет сумма значение'
       SIZE=1.45e3>
<% For i = 1 To 1.45e3 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=0xF37F>
<TR><TD WIDTH="50%">проверка ёлка сумма</TD><TD><A HREF="page0xF37F.asp?x=4933">проверка ёлка сумма</A></TD></TR>
</TABLE>
<!-- проверка ёлка сумма
     проверка ёлка сумма -->
<FORM ACTION="total6.asp" METHOD="post">
<INPUT TYPE="text" NAME="line14" VALUE='ошибка файл файл'
       SIZE=4497>
<% For i = 1 To 4497 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=4288>
<TR><TD WIDTH="50%">Ёж ошибка ёлка</TD><TD><A HREF="page4288.asp?x=6119">Ёж ошибка ёлка</A></TD></TR>
</TABLE>
<!-- Ёж ошибка ёлка
     Ёж ошибка ёлка -->

<TABLE BORDER=1 CELLPADDING=8312>
<TR><TD WIDTH="50%">запись проверка Привет</TD><TD><A HREF="page8312.asp?x=7298">запись проверка Привет</A></TD></TR>
</TABLE>
<!-- запись проверка Привет
     запись проверка Привет -->
<FORM ACTION="total86.asp" METHOD="post">
<INPUT TYPE="text" NAME="node61" VALUE='конец начало конец'
       SIZE=5981>
<% For i = 1 To 5981 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=6646>
<TR><TD WIDTH="50%">строка проверка ошибка</TD><TD><A HREF="page6646.asp?x=9.1e9">строка проверка ошибка</A></TD></TR>
</TABLE>
<!-- строка проверка ошибка
     строка проверка ошибка -->
<FORM ACTION="total48.asp" METHOD="post">
<INPUT TYPE="text" NAME="state12" VALUE='Ёж Привет начало'
       SIZE=6918>
<% For i = 1 To 6918 : Response.Write(i) : Next %>
</FORM>

<TABLE BORDER=1 CELLPADDING=872>
<TR><TD WIDTH="50%">строка Ёж начало</TD><TD><A HREF="page872.asp?x=0x4D">строка Ёж начало</A></TD></TR>
</TABLE>
<!-- строка Ёж начало
     строка Ёж начало -->
<FORM ACTION="total67.asp" METHOD="post">
<INPUT TYPE="text" NAME="line97" VALUE='данные сумма окно'
       SIZE=9309>
<% For i = 1 To 9309 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=4016>
<TR><TD WIDTH="50%">значение начало проверка</TD><TD><A HREF="page4016.asp?x=8.45e3">значение начало проверка</A></TD></TR>
</TABLE>
<!-- значение начало проверка
     значение начало проверка -->

\
<TABLE BORDER=1 CELLPADDING=5673>
<TR><TD WIDTH="50%">окно запись запись</TD><TD><A HREF="page5673.asp?x=912">окно запись запись</A></TD></TR>
</TABLE>
<!-- окно запись запись
     окно запись запись -->
<TABLE BORDER=1 CELLPADDING=5.56e4>
<TR><TD WIDTH="50%">запись проверка сумма</TD><TD><A HREF="page5.56e4.asp?x=0xAED8">запись проверка сумма</A></TD></TR>
</TABLE>
<!-- запись проверка сумма
     запись проверка сумма -->
<H1>сумма запись запись</H1>
<% Dim path43
   path43 = Request.QueryString("index74") ' сумма запись запись
   If path43 = "" Then
       path43 = 0x6B1E
   End If
%>
<P ALIGN="left">сумма запись запись &nbsp; &copy; &foo; <%= path43 %></P>
<H1>ёлка таблица файл</H1>
<% Dim index31
   index31 = Request.QueryString("width42") ' ёлка таблица файл
   If index31 = "" Then
       index31 = 7558
   End If
%>
<P ALIGN="left">ёлка таблица файл &nbsp; &copy; &foo; <%= index31 %></P>
<FORM ACTION="node55.asp" METHOD="post">
<INPUT TYPE="text" NAME="name51" VALUE='сумма строка проверка'
       SIZE=4365>
<% For i = 1 To 4365 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=429>
<TR><TD WIDTH="50%">запись строка ошибка</TD><TD><A HREF="page429.asp?x=6177">запись строка ошибка</A></TD></TR>
</TABLE>
<!-- запись строка ошибка
     запись строка ошибка -->
<TABLE BORDER=1 CELLPADDING=2527>
<TR><TD WIDTH="50%">сумма конец строка</TD><TD><A HREF="page2527.asp?x=307">сумма конец строка</A></TD></TR>
</TABLE>
<!-- сумма конец строка
     сумма конец строка -->
<FORM ACTION="item68.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset0" VALUE='сумма начало файл'
       SIZE=2603>
<% For i = 1 To 2603 : Response.Write(i) : Next %>
</FORM>
<H1>строка начало сумма</H1>
<% Dim state20
   state20 = Request.QueryString("buffer48") ' строка начало сумма
   If state20 = "" Then
       state20 = 8406
   End If
%>
<P ALIGN="left">строка начало сумма &nbsp; &copy; &foo; <%= state20 %></P>

<H1>значение сумма таблица</H1>
<% Dim node89
   node89 = Request.QueryString("line88") ' значение сумма таблица
   If node89 = "" Then
       node89 = 8794
   End If
%>
<P ALIGN="left">значение сумма таблица &nbsp; &copy; &foo; <%= node89 %></P>

<TABLE BORDER=1 CELLPADDING=0x18C0>
<TR><TD WIDTH="50%">ёлка строка сумма</TD><TD><A HREF="page0x18C0.asp?x=0xF535">ёлка строка сумма</A></TD></TR>
</TABLE>
<!-- ёлка строка сумма
     ёлка строка сумма -->

<H1>Привет конец окно</H1>
<% Dim name35
   name35 = Request.QueryString("limit21") ' Привет конец окно
   If name35 = "" Then
       name35 = 9202
   End If
%>
<P ALIGN="left">Привет конец окно &nbsp; &copy; &foo; <%= name35 %></P>
<FORM ACTION="name64.asp" METHOD="post">
<INPUT TYPE="text" NAME="limit70" VALUE='ошибка таблица ёлка'
       SIZE=3288>
<% For i = 1 To 3288 : Response.Write(i) : Next %>
</FORM>
<H1>окно проверка окно</H1>
<% Dim buffer99
   buffer99 = Request.QueryString("count93") ' окно проверка окно
   If buffer99 = "" Then
       buffer99 = 2.33e5
   End If
%>
<P ALIGN="left">окно проверка окно &nbsp; &copy; &foo; <%= buffer99 %></P>

<FORM ACTION="name1.asp" METHOD="post">
<INPUT TYPE="text" NAME="total16" VALUE='окно файл файл'
       SIZE=0x6596>
<% For i = 1 To 0x6596 : Response.Write(i) : Next %>
</FORM>
<H1>проверка ошибка сумма</H1>
<% Dim name50
   name50 = Request.QueryString("node10") ' проверка ошибка сумма
   If name50 = "" Then
       name50 = 1264
   End If
%>
<P ALIGN="left">проверка ошибка сумма &nbsp; &copy; &foo; <%= name50 %></P>

<H1>таблица ёлка ёлка</H1>
<% Dim limit87
   limit87 = Request.QueryString("total75") ' таблица ёлка ёлка
   If limit87 = "" Then
       limit87 = 8822
   End If
%>
<P ALIGN="left">таблица ёлка ёлка &nbsp; &copy; &foo; <%= limit87 %></P>
<TABLE BORDER=1 CELLPADDING=0x67A2>
<TR><TD WIDTH="50%">запись таблица ёлка</TD><TD><A HREF="page0x67A2.asp?x=2.28e5">запись таблица ёлка</A></TD></TR>
</TABLE>
<!-- запись таблица ёлка
     запись таблица ёлка -->
<FORM ACTION="result11.asp" METHOD="post">
<INPUT TYPE="text" NAME="line38" VALUE='файл таблица Ёж'
       SIZE=0x34C1>
<% For i = 1 To 0x34C1 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=853>
<TR><TD WIDTH="50%">конец начало данные</TD><TD><A HREF="page853.asp?x=0x43C5">конец начало данные</A></TD></TR>
</TABLE>
<!-- конец начало данные
     конец начало данные -->
<H1>строка конец ёлка</H1>
<% Dim item95
   item95 = Request.QueryString("node64") ' строка конец ёлка
   If item95 = "" Then
       item95 = 1991
   End If
%>
<P ALIGN="left">строка конец ёлка &nbsp; &copy; &foo; <%= item95 %></P>
<H1>конец ёлка запись</H1>
<% Dim line17
   line17 = Request.QueryString("value92") ' конец ёлка запись
   If line17 = "" Then
       line17 = 0x3DE5
   End If
%>
<P ALIGN="left">конец ёлка запись &nbsp; &copy; &foo; <%= line17 %></P>
<FORM ACTION="offset84.asp" METHOD="post">
<INPUT TYPE="text" NAME="path69" VALUE='проверка файл окно'
       SIZE=0x55E6>
<% For i = 1 To 0x55E6 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="item52.asp" METHOD="post">
<INPUT TYPE="text" NAME="value98" VALUE='запись ёлка ёлка'
       SIZE=1.85e3>
<% For i = 1 To 1.85e3 : Response.Write(i) : Next %>
</FORM>

}
<TABLE BORDER=1 CELLPADDING=8.43e4>
<TR><TD WIDTH="50%">строка строка запись</TD><TD><A HREF="page8.43e4.asp?x=6924">строка строка запись</A></TD></TR>
</TABLE>
<!-- строка строка запись
     строка строка запись -->
<H1>проверка сумма файл</H1>
<% Dim line49
   line49 = Request.QueryString("line46") ' проверка сумма файл
   If line49 = "" Then
       line49 = 0xB82E
   End If
%>
<P ALIGN="left">проверка сумма файл &nbsp; &copy; &foo; <%= line49 %></P>
<H1>данные значение Привет</H1>
<% Dim name5
   name5 = Request.QueryString("buffer18") ' данные значение Привет
   If name5 = "" Then
       name5 = 4678
   End If
%>
<P ALIGN="left">данные значение Привет &nbsp; &copy; &foo; <%= name5 %></P>
<H1>конец конец проверка</H1>
<% Dim offset11
   offset11 = Request.QueryString("offset65") ' конец конец проверка
   If offset11 = "" Then
       offset11 = 4936
   End If
%>
<P ALIGN="left">конец конец проверка &nbsp; &copy; &foo; <%= offset11 %></P>
<TABLE BORDER=1 CELLPADDING=804>
<TR><TD WIDTH="50%">сумма значение конец</TD><TD><A HREF="page804.asp?x=6993">сумма значение конец</A></TD></TR>
</TABLE>
<!-- сумма значение конец
     сумма значение конец -->
<H1>проверка проверка сумма</H1>
<% Dim value8
   value8 = Request.QueryString("height53") ' проверка проверка сумма
   If value8 = "" Then
       value8 = 8.3e2
   End If
%>
<P ALIGN="left">проверка проверка сумма &nbsp; &copy; &foo; <%= value8 %></P>

<H1>значение данные данные</H1>
<% Dim height96
   height96 = Request.QueryString("state4") ' значение данные данные
   If height96 = "" Then
       height96 = 9547
   End If
%>
<P ALIGN="left">значение данные данные &nbsp; &copy; &foo; <%= height96 %></P>

<H1>конец сумма Ёж</H1>
<% Dim width64
   width64 = Request.QueryString("state0") ' конец сумма Ёж
   If width64 = "" Then
       width64 = 5325
   End If
%>
<P ALIGN="left">конец сумма Ёж &nbsp; &copy; &foo; <%= width64 %></P>
<FORM ACTION="total75.asp" METHOD="post">
<INPUT TYPE="text" NAME="index51" VALUE='данные конец сумма'
       SIZE=5898>
<% For i = 1 To 5898 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="height4.asp" METHOD="post">
<INPUT TYPE="text" NAME="count98" VALUE='запись файл конец'
       SIZE=6505>
<% For i = 1 To 6505 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="count9.asp" METHOD="post">
<INPUT TYPE="text" NAME="buffer34" VALUE='ёлка строка ошибка'
       SIZE=4.30e4>
<% For i = 1 To 4.30e4 : Response.Write(i) : Next %>
</FORM>

<H1>таблица сумма окно</H1>
<% Dim node69
   node69 = Request.QueryString("count70") ' таблица сумма окно
   If node69 = "" Then
       node69 = 4.66e3
   End If
%>
<P ALIGN="left">таблица сумма окно &nbsp; &copy; &foo; <%= node69 %></P>

<FORM ACTION="beta3.asp" METHOD="post">
<INPUT TYPE="text" NAME="width53" VALUE='таблица ошибка значение'
       SIZE=9639>
<% For i = 1 To 9639 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="limit23.asp" METHOD="post">
<INPUT TYPE="text" NAME="node29" VALUE='строка проверка ошибка'
       SIZE=8294>
<% For i = 1 To 8294 : Response.Write(i) : Next %>
</FORM>

<H1>начало Привет данные</H1>
<% Dim name42
   name42 = Request.QueryString("height28") ' начало Привет данные
   If name42 = "" Then
       name42 = 153
   End If
%>
<P ALIGN="left">начало Привет данные &nbsp; &copy; &foo; <%= name42 %></P>

<H1>окно значение сумма</H1>
<% Dim beta1
   beta1 = Request.QueryString("item97") ' окно значение сумма
   If beta1 = "" Then
       beta1 = 8590
   End If
%>
<P ALIGN="left">окно значение сумма &nbsp; &copy; &foo; <%= beta1 %></P>
;
<H1>файл Ёж окно</H1>
<% Dim item62
   item62 = Request.QueryString("line47") ' файл Ёж окно
   If item62 = "" Then
       item62 = 1.24e3
   End If
%>
<P ALIGN="left">файл Ёж окно &nbsp; &copy; &foo; <%= item62 %></P>

<FORM ACTION="limit78.asp" METHOD="post">
<INPUT TYPE="text" NAME="path46" VALUE='Привет Ёж Привет'
       SIZE=9469>
<% For i = 1 To 9469 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=9538>
<TR><TD WIDTH="50%">данные данные строка</TD><TD><A HREF="page9538.asp?x=3199">данные данные строка</A></TD></TR>
</TABLE>
<!-- данные данные строка
     данные данные строка -->
<FORM ACTION="state64.asp" METHOD="post">
<INPUT TYPE="text" NAME="path76" VALUE='запись таблица проверка'
       SIZE=7374>
<% For i = 1 To 7374 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=8592>
<TR><TD WIDTH="50%">окно проверка начало</TD><TD><A HREF="page8592.asp?x=9951">окно проверка начало</A></TD></TR>
</TABLE>
<!-- окно проверка начало
     окно проверка начало -->
<H1>проверка начало Привет</H1>
<% Dim name58
   name58 = Request.QueryString("height29") ' проверка начало Привет
   If name58 = "" Then
       name58 = 3426
   End If
%>
<P ALIGN="left">проверка начало Привет &nbsp; &copy; &foo; <%= name58 %></P>
<FORM ACTION="total49.asp" METHOD="post">
<INPUT TYPE="text" NAME="limit6" VALUE='запись строка данные'
       SIZE=134>
<% For i = 1 To 134 : Response.Write(i) : Next %>
</FORM>

<H1>окно ёлка Привет</H1>
<% Dim width43
   width43 = Request.QueryString("result75") ' окно ёлка Привет
   If width43 = "" Then
       width43 = 814
   End If
%>
<P ALIGN="left">окно ёлка Привет &nbsp; &copy; &foo; <%= width43 %></P>

<H1>запись конец запись</H1>
<% Dim count16
   count16 = Request.QueryString("result52") ' запись конец запись
   If count16 = "" Then
       count16 = 3810
   End If
%>
<P ALIGN="left">запись конец запись &nbsp; &copy; &foo; <%= count16 %></P>

<FORM ACTION="buffer96.asp" METHOD="post">
<INPUT TYPE="text" NAME="line95" VALUE='проверка запись данные'
       SIZE=6.53e9>
<% For i = 1 To 6.53e9 : Response.Write(i) : Next %>
</FORM>
<H1>файл ёлка файл</H1>
<% Dim beta79
   beta79 = Request.QueryString("item80") ' файл ёлка файл
   If beta79 = "" Then
       beta79 = 6.48e4
   End If
%>
<P ALIGN="left">файл ёлка файл &nbsp; &copy; &foo; <%= beta79 %></P>
<TABLE BORDER=1 CELLPADDING=5899>
<TR><TD WIDTH="50%">Привет таблица таблица</TD><TD><A HREF="page5899.asp?x=7278">Привет таблица таблица</A></TD></TR>
</TABLE>
<!-- Привет таблица таблица
     Привет таблица таблица -->
<H1>данные ёлка сумма</H1>
<% Dim width65
   width65 = Request.QueryString("path40") ' данные ёлка сумма
   If width65 = "" Then
       width65 = 1827
   End If
%>
<P ALIGN="left">данные ёлка сумма &nbsp; &copy; &foo; <%= width65 %></P>
<FORM ACTION="value54.asp" METHOD="post">
<INPUT TYPE="text" NAME="alpha39" VALUE='начало строка запись'
       SIZE=8210>
<% For i = 1 To 8210 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="value55.asp" METHOD="post">
<INPUT TYPE="text" NAME="height29" VALUE='Привет строка проверка'
       SIZE=8377>
<% For i = 1 To 8377 : Response.Write(i) : Next %>
</FORM>

<H1>значение строка файл</H1>
<% Dim alpha86
   alpha86 = Request.QueryString("beta54") ' значение строка файл
   If alpha86 = "" Then
       alpha86 = 344
   End If
%>
<P ALIGN="left">значение строка файл &nbsp; &copy; &foo; <%= alpha86 %></P>

;
<TABLE BORDER=1 CELLPADDING=0.78e1>
<TR><TD WIDTH="50%">сумма файл Ёж</TD><TD><A HREF="page0.78e1.asp?x=4.74e9">сумма файл Ёж</A></TD></TR>
</TABLE>
<!-- сумма файл Ёж
     сумма файл Ёж -->
<H1>файл ёлка значение</H1>
<% Dim beta30
   beta30 = Request.QueryString("state89") ' файл ёлка значение
   If beta30 = "" Then
       beta30 = 5429
   End If
%>
<P ALIGN="left">файл ёлка значение &nbsp; &copy; &foo; <%= beta30 %></P>
<FORM ACTION="buffer64.asp" METHOD="post">
<INPUT TYPE="text" NAME="count97" VALUE='ошибка файл файл'
       SIZE=0x3210>
<% For i = 1 To 0x3210 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="total8.asp" METHOD="post">
<INPUT TYPE="text" NAME="name19" VALUE='файл Привет таблица'
       SIZE=5.7e2>
<% For i = 1 To 5.7e2 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="buffer15.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta25" VALUE='Привет таблица таблица'
       SIZE=0x708E>
<% For i = 1 To 0x708E : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="limit31.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta92" VALUE='окно начало файл'
       SIZE=5.58e7>
<% For i = 1 To 5.58e7 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=8017>
<TR><TD WIDTH="50%">значение данные значение</TD><TD><A HREF="page8017.asp?x=0x3A49">значение данные значение</A></TD></TR>
</TABLE>
<!-- значение данные значение
     значение данные значение -->

<TABLE BORDER=1 CELLPADDING=8720>
<TR><TD WIDTH="50%">окно значение значение</TD><TD><A HREF="page8720.asp?x=5.52e8">окно значение значение</A></TD></TR>
</TABLE>
<!-- окно значение значение
     окно значение значение -->
<TABLE BORDER=1 CELLPADDING=6066>
<TR><TD WIDTH="50%">ошибка окно ошибка</TD><TD><A HREF="page6066.asp?x=2.70e3">ошибка окно ошибка</A></TD></TR>
</TABLE>
<!-- ошибка окно ошибка
     ошибка окно ошибка -->

<H1>ошибка ошибка строка</H1>
<% Dim value30
   value30 = Request.QueryString("height82") ' ошибка ошибка строка
   If value30 = "" Then
       value30 = 4.60e5
   End If
%>
<P ALIGN="left">ошибка ошибка строка &nbsp; &copy; &foo; <%= value30 %></P>

<TABLE BORDER=1 CELLPADDING=1760>
<TR><TD WIDTH="50%">конец ошибка запись</TD><TD><A HREF="page1760.asp?x=2.61e9">конец ошибка запись</A></TD></TR>
</TABLE>
<!-- конец ошибка запись
     конец ошибка запись -->

)
<FORM ACTION="height94.asp" METHOD="post">
<INPUT TYPE="text" NAME="height64" VALUE='значение конец данные'
       SIZE=8251>
<% For i = 1 To 8251 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=3025>
<TR><TD WIDTH="50%">ёлка Привет окно</TD><TD><A HREF="page3025.asp?x=3443">ёлка Привет окно</A></TD></TR>
</TABLE>
<!-- ёлка Привет окно
     ёлка Привет окно -->

<TABLE BORDER=1 CELLPADDING=6.31e6>
<TR><TD WIDTH="50%">начало Привет файл</TD><TD><A HREF="page6.31e6.asp?x=9313">начало Привет файл</A></TD></TR>
</TABLE>
<!-- начало Привет файл
     начало Привет файл -->

<H1>файл данные сумма</H1>
<% Dim value18
   value18 = Request.QueryString("buffer29") ' файл данные сумма
   If value18 = "" Then
       value18 = 0xDD3F
   End If
%>
<P ALIGN="left">файл данные сумма &nbsp; &copy; &foo; <%= value18 %></P>
<FORM ACTION="path23.asp" METHOD="post">
<INPUT TYPE="text" NAME="line45" VALUE='файл ёлка начало'
       SIZE=0x6912>
<% For i = 1 To 0x6912 : Response.Write(i) : Next %>
</FORM>

<H1>Привет ошибка Ёж</H1>
<% Dim height23
   height23 = Request.QueryString("beta46") ' Привет ошибка Ёж
   If height23 = "" Then
       height23 = 0x7982
   End If
%>
<P ALIGN="left">Привет ошибка Ёж &nbsp; &copy; &foo; <%= height23 %></P>
<H1>Ёж запись запись</H1>
<% Dim node77
   node77 = Request.QueryString("width21") ' Ёж запись запись
   If node77 = "" Then
       node77 = 294
   End If
%>
<P ALIGN="left">Ёж запись запись &nbsp; &copy; &foo; <%= node77 %></P>

<FORM ACTION="beta6.asp" METHOD="post">
<INPUT TYPE="text" NAME="height63" VALUE='сумма данные ошибка'
       SIZE=8375>
<% For i = 1 To 8375 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="result77.asp" METHOD="post">
<INPUT TYPE="text" NAME="width73" VALUE='строка Ёж данные'
       SIZE=1171>
<% For i = 1 To 1171 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="width2.asp" METHOD="post">
<INPUT TYPE="text" NAME="buffer41" VALUE='файл данные окно'
       SIZE=4135>
<% For i = 1 To 4135 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=4825>
<TR><TD WIDTH="50%">ошибка запись окно</TD><TD><A HREF="page4825.asp?x=0xDCE5">ошибка запись окно</A></TD></TR>
</TABLE>
<!-- ошибка запись окно
     ошибка запись окно -->
<TABLE BORDER=1 CELLPADDING=9.63e5>
<TR><TD WIDTH="50%">проверка окно запись</TD><TD><A HREF="page9.63e5.asp?x=0x491F">проверка окно запись</A></TD></TR>
</TABLE>
<!-- проверка окно запись
     проверка окно запись -->
<FORM ACTION="node50.asp" METHOD="post">
<INPUT TYPE="text" NAME="name19" VALUE='конец Ёж таблица'
       SIZE=3.10e2>
<% For i = 1 To 3.10e2 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="path89.asp" METHOD="post">
<INPUT TYPE="text" NAME="width66" VALUE='начало ошибка проверка'
       SIZE=6515>
<% For i = 1 To 6515 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="name21.asp" METHOD="post">
<INPUT TYPE="text" NAME="height6" VALUE='конец таблица данные'
       SIZE=7172>
<% For i = 1 To 7172 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="result11.asp" METHOD="post">
<INPUT TYPE="text" NAME="name97" VALUE='конец данные файл'
       SIZE=0xE268>
<% For i = 1 To 0xE268 : Response.Write(i) : Next %>
</FORM>
x
<FORM ACTION="width22.asp" METHOD="post">
<INPUT TYPE="text" NAME="path61" VALUE='Привет проверка файл'
       SIZE=9985>
<% For i = 1 To 9985 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="node51.asp" METHOD="post">
<INPUT TYPE="text" NAME="name15" VALUE='данные окно ошибка'
       SIZE=5405>
<% For i = 1 To 5405 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="line39.asp" METHOD="post">
<INPUT TYPE="text" NAME="item70" VALUE='таблица ёлка Ёж'
       SIZE=9046>
<% For i = 1 To 9046 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="result75.asp" METHOD="post">
<INPUT TYPE="text" NAME="node36" VALUE='запись ошибка запись'
       SIZE=0xAE51>
<% For i = 1 To 0xAE51 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="line94.asp" METHOD="post">
<INPUT TYPE="text" NAME="buffer79" VALUE='значение Ёж Ёж'
       SIZE=7247>
<% For i = 1 To 7247 : Response.Write(i) : Next %>
</FORM>
<H1>таблица строка строка</H1>
<% Dim state49
   state49 = Request.QueryString("total56") ' таблица строка строка
   If state49 = "" Then
       state49 = 7.57e9
   End If
%>
<P ALIGN="left">таблица строка строка &nbsp; &copy; &foo; <%= state49 %></P>
)
<FORM ACTION="name62.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset37" VALUE='значение данные начало'
       SIZE=9795>
<% For i = 1 To 9795 : Response.Write(i) : Next %>
</FORM>

<H1>сумма Привет начало</H1>
<% Dim count70
   count70 = Request.QueryString("item57") ' сумма Привет начало
   If count70 = "" Then
       count70 = 7235
   End If
%>
<P ALIGN="left">сумма Привет начало &nbsp; &copy; &foo; <%= count70 %></P>
<TABLE BORDER=1 CELLPADDING=0xEFC3>
<TR><TD WIDTH="50%">окно значение ёлка</TD><TD><A HREF="page0xEFC3.asp?x=8314">окно значение ёлка</A></TD></TR>
</TABLE>
<!-- окно значение ёлка
     окно значение ёлка -->

<TABLE BORDER=1 CELLPADDING=7827>
<TR><TD WIDTH="50%">сумма ошибка данные</TD><TD><A HREF="page7827.asp?x=0x4641">сумма ошибка данные</A></TD></TR>
</TABLE>
<!-- сумма ошибка данные
     сумма ошибка данные -->
<H1>значение Ёж запись</H1>
<% Dim total13
   total13 = Request.QueryString("index54") ' значение Ёж запись
   If total13 = "" Then
       total13 = 0x4DAC
   End If
%>
<P ALIGN="left">значение Ёж запись &nbsp; &copy; &foo; <%= total13 %></P>
<TABLE BORDER=1 CELLPADDING=6.62e8>
<TR><TD WIDTH="50%">окно таблица таблица</TD><TD><A HREF="page6.62e8.asp?x=9.49e6">окно таблица таблица</A></TD></TR>
</TABLE>
<!-- окно таблица таблица
     окно таблица таблица -->
<H1>Ёж ошибка Ёж</H1>
<% Dim total58
   total58 = Request.QueryString("index68") ' Ёж ошибка Ёж
   If total58 = "" Then
       total58 = 0xA31D
   End If
%>
<P ALIGN="left">Ёж ошибка Ёж &nbsp; &copy; &foo; <%= total58 %></P>
<FORM ACTION="state81.asp" METHOD="post">
<INPUT TYPE="text" NAME="width92" VALUE='проверка данные сумма'
       SIZE=7579>
<% For i = 1 To 7579 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="node21.asp" METHOD="post">
<INPUT TYPE="text" NAME="item68" VALUE='файл конец проверка'
       SIZE=845>
<% For i = 1 To 845 : Response.Write(i) : Next %>
</FORM>
<H1>данные ёлка Привет</H1>
<% Dim height46
   height46 = Request.QueryString("height76") ' данные ёлка Привет
   If height46 = "" Then
       height46 = 6698
   End If
%>
<P ALIGN="left">данные ёлка Привет &nbsp; &copy; &foo; <%= height46 %></P>

<TABLE BORDER=1 CELLPADDING=5137>
<TR><TD WIDTH="50%">ёлка таблица ёлка</TD><TD><A HREF="page5137.asp?x=2877">ёлка таблица ёлка</A></TD></TR>
</TABLE>
<!-- ёлка таблица ёлка
     ёлка таблица ёлка -->

<TABLE BORDER=1 CELLPADDING=3640>
<TR><TD WIDTH="50%">файл строка конец</TD><TD><A HREF="page3640.asp?x=6302">файл строка конец</A></TD></TR>
</TABLE>
<!-- файл строка конец
     файл строка конец -->

<H1>ёлка Привет начало</H1>
<% Dim height11
   height11 = Request.QueryString("limit19") ' ёлка Привет начало
   If height11 = "" Then
       height11 = 0x5BDA
   End If
%>
<P ALIGN="left">ёлка Привет начало &nbsp; &copy; &foo; <%= height11 %></P>
<TABLE BORDER=1 CELLPADDING=8.35e4>
<TR><TD WIDTH="50%">файл ошибка ошибка</TD><TD><A HREF="page8.35e4.asp?x=2629">файл ошибка ошибка</A></TD></TR>
</TABLE>
<!-- файл ошибка ошибка
     файл ошибка ошибка -->
<TABLE BORDER=1 CELLPADDING=2128>
<TR><TD WIDTH="50%">ёлка ошибка конец</TD><TD><A HREF="page2128.asp?x=5.76e3">ёлка ошибка конец</A></TD></TR>
</TABLE>
<!-- ёлка ошибка конец
     ёлка ошибка конец -->

<H1>файл таблица Ёж</H1>
<% Dim path4
   path4 = Request.QueryString("count17") ' файл таблица Ёж
   If path4 = "" Then
       path4 = 9253
   End If
%>
<P ALIGN="left">файл таблица Ёж &nbsp; &copy; &foo; <%= path4 %></P>
<FORM ACTION="total35.asp" METHOD="post">
<INPUT TYPE="text" NAME="height8" VALUE='ёлка Ёж Привет'
       SIZE=3227>
<% For i = 1 To 3227 : Response.Write(i) : Next %>
</FORM>
<H1>таблица таблица окно</H1>
<% Dim beta34
   beta34 = Request.QueryString("line24") ' таблица таблица окно
   If beta34 = "" Then
       beta34 = 0x3637
   End If
%>
<P ALIGN="left">таблица таблица окно &nbsp; &copy; &foo; <%= beta34 %></P>
<H1>конец ёлка данные</H1>
<% Dim index57
   index57 = Request.QueryString("line90") ' конец ёлка данные
   If index57 = "" Then
       index57 = 4597
   End If
%>
<P ALIGN="left">конец ёлка данные &nbsp; &copy; &foo; <%= index57 %></P>

<TABLE BORDER=1 CELLPADDING=6286>
<TR><TD WIDTH="50%">ёлка ёлка данные</TD><TD><A HREF="page6286.asp?x=3374">ёлка ёлка данные</A></TD></TR>
</TABLE>
<!-- ёлка ёлка данные
     ёлка ёлка данные -->

<H1>Привет файл запись</H1>
<% Dim offset58
   offset58 = Request.QueryString("name72") ' Привет файл запись
   If offset58 = "" Then
       offset58 = 0x5839
   End If
%>
<P ALIGN="left">Привет файл запись &nbsp; &copy; &foo; <%= offset58 %></P>
<H1>Привет ёлка конец</H1>
<% Dim value53
   value53 = Request.QueryString("total30") ' Привет ёлка конец
   If value53 = "" Then
       value53 = 6133
   End If
%>
<P ALIGN="left">Привет ёлка конец &nbsp; &copy; &foo; <%= value53 %></P>
<FORM ACTION="beta64.asp" METHOD="post">
<INPUT TYPE="text" NAME="name16" VALUE='таблица значение сумма'
       SIZE=0.44e2>
<% For i = 1 To 0.44e2 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="index55.asp" METHOD="post">
<INPUT TYPE="text" NAME="total2" VALUE='данные ошибка ошибка'
       SIZE=7.81e1>
<% For i = 1 To 7.81e1 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="limit11.asp" METHOD="post">
<INPUT TYPE="text" NAME="path69" VALUE='проверка сумма строка'
       SIZE=0xC982>
<% For i = 1 To 0xC982 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=8.48e8>
<TR><TD WIDTH="50%">конец таблица данные</TD><TD><A HREF="page8.48e8.asp?x=1101">конец таблица данные</A></TD></TR>
</TABLE>
<!-- конец таблица данные
     конец таблица данные -->

<FORM ACTION="height13.asp" METHOD="post">
<INPUT TYPE="text" NAME="index45" VALUE='строка значение значение'
       SIZE=0x2CCD>
<% For i = 1 To 0x2CCD : Response.Write(i) : Next %>
</FORM>

<H1>строка окно Ёж</H1>
<% Dim beta73
   beta73 = Request.QueryString("limit71") ' строка окно Ёж
   If beta73 = "" Then
       beta73 = 0.85e1
   End If
%>
<P ALIGN="left">строка окно Ёж &nbsp; &copy; &foo; <%= beta73 %></P>

<TABLE BORDER=1 CELLPADDING=5.99e8>
<TR><TD WIDTH="50%">Ёж сумма Привет</TD><TD><A HREF="page5.99e8.asp?x=2.95e8">Ёж сумма Привет</A></TD></TR>
</TABLE>
<!-- Ёж сумма Привет
     Ёж сумма Привет -->
<H1>данные сумма запись</H1>
<% Dim offset97
   offset97 = Request.QueryString("limit87") ' данные сумма запись
   If offset97 = "" Then
       offset97 = 6527
   End If
%>
<P ALIGN="left">данные сумма запись &nbsp; &copy; &foo; <%= offset97 %></P>
<TABLE BORDER=1 CELLPADDING=0x4BB1>
<TR><TD WIDTH="50%">Ёж конец значение</TD><TD><A HREF="page0x4BB1.asp?x=0xB81E">Ёж конец значение</A></TD></TR>
</TABLE>
<!-- Ёж конец значение
     Ёж конец значение -->

<FORM ACTION="result17.asp" METHOD="post">
<INPUT TYPE="text" NAME="index64" VALUE='ошибка Ёж конец'
       SIZE=0xF077>
<% For i = 1 To 0xF077 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="height16.asp" METHOD="post">
<INPUT TYPE="text" NAME="alpha68" VALUE='файл начало окно'
       SIZE=1061>
<% For i = 1 To 1061 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="value92.asp" METHOD="post">
<INPUT TYPE="text" NAME="line88" VALUE='Привет проверка ёлка'
       SIZE=0xA4FD>
<% For i = 1 To 0xA4FD : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="name11.asp" METHOD="post">
<INPUT TYPE="text" NAME="path67" VALUE='данные проверка конец'
       SIZE=3079>
<% For i = 1 To 3079 : Response.Write(i) : Next %>
</FORM>

<H1>строка сумма сумма</H1>
<% Dim result96
   result96 = Request.QueryString("node20") ' строка сумма сумма
   If result96 = "" Then
       result96 = 3734
   End If
%>
<P ALIGN="left">строка сумма сумма &nbsp; &copy; &foo; <%= result96 %></P>
<TABLE BORDER=1 CELLPADDING=9219>
<TR><TD WIDTH="50%">ёлка окно проверка</TD><TD><A HREF="page9219.asp?x=0x7F09">ёлка окно проверка</A></TD></TR>
</TABLE>
<!-- ёлка окно проверка
     ёлка окно проверка -->

<H1>значение Привет ёлка</H1>
<% Dim result60
   result60 = Request.QueryString("limit55") ' значение Привет ёлка
   If result60 = "" Then
       result60 = 1112
   End If
%>
<P ALIGN="left">значение Привет ёлка &nbsp; &copy; &foo; <%= result60 %></P>

<H1>значение запись конец</H1>
<% Dim limit53
   limit53 = Request.QueryString("height45") ' значение запись конец
   If limit53 = "" Then
       limit53 = 2428
   End If
%>
<P ALIGN="left">значение запись конец &nbsp; &copy; &foo; <%= limit53 %></P>
<H1>начало Привет данные</H1>
<% Dim count57
   count57 = Request.QueryString("width27") ' начало Привет данные
   If count57 = "" Then
       count57 = 2.88e9
   End If
%>
<P ALIGN="left">начало Привет данные &nbsp; &copy; &foo; <%= count57 %></P>
<FORM ACTION="alpha60.asp" METHOD="post">
<INPUT TYPE="text" NAME="result33" VALUE='начало начало таблица'
       SIZE=3.16e7>
<% For i = 1 To 3.16e7 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=398>
<TR><TD WIDTH="50%">ошибка файл конец</TD><TD><A HREF="page398.asp?x=1623">ошибка файл конец</A></TD></TR>
</TABLE>
<!-- ошибка файл конец
     ошибка файл конец -->
<TABLE BORDER=1 CELLPADDING=5.12e4>
<TR><TD WIDTH="50%">файл Ёж проверка</TD><TD><A HREF="page5.12e4.asp?x=0xFE31">файл Ёж проверка</A></TD></TR>
</TABLE>
<!-- файл Ёж проверка
     файл Ёж проверка -->
<FORM ACTION="limit51.asp" METHOD="post">
<INPUT TYPE="text" NAME="state53" VALUE='конец начало Привет'
       SIZE=2318>
<% For i = 1 To 2318 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=1562>
<TR><TD WIDTH="50%">файл проверка окно</TD><TD><A HREF="page1562.asp?x=6918">файл проверка окно</A></TD></TR>
</TABLE>
<!-- файл проверка окно
     файл проверка окно -->

<H1>данные начало ошибка</H1>
<% Dim state91
   state91 = Request.QueryString("state33") ' данные начало ошибка
   If state91 = "" Then
       state91 = 401
   End If
%>
<P ALIGN="left">данные начало ошибка &nbsp; &copy; &foo; <%= state91 %></P>
<H1>начало данные Ёж</H1>
<% Dim value96
   value96 = Request.QueryString("index36") ' начало данные Ёж
   If value96 = "" Then
       value96 = 0x2B59
   End If
%>
<P ALIGN="left">начало данные Ёж &nbsp; &copy; &foo; <%= value96 %></P>
<H1>Ёж проверка таблица</H1>
<% Dim total99
   total99 = Request.QueryString("state50") ' Ёж проверка таблица
   If total99 = "" Then
       total99 = 3817
   End If
%>
<P ALIGN="left">Ёж проверка таблица &nbsp; &copy; &foo; <%= total99 %></P>
<H1>ёлка проверка строка</H1>
<% Dim item86
   item86 = Request.QueryString("beta58") ' ёлка проверка строка
   If item86 = "" Then
       item86 = 0x1443
   End If
%>
<P ALIGN="left">ёлка проверка строка &nbsp; &copy; &foo; <%= item86 %></P>
}
<H1>проверка окно данные</H1>
<% Dim result11
   result11 = Request.QueryString("state60") ' проверка окно данные
   If result11 = "" Then
       result11 = 5355
   End If
%>
<P ALIGN="left">проверка окно данные &nbsp; &copy; &foo; <%= result11 %></P>
<FORM ACTION="height67.asp" METHOD="post">
<INPUT TYPE="text" NAME="item41" VALUE='проверка файл файл'
       SIZE=3566>
<% For i = 1 To 3566 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="width91.asp" METHOD="post">
<INPUT TYPE="text" NAME="result75" VALUE='Привет запись Ёж'
       SIZE=3.18e4>
<% For i = 1 To 3.18e4 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=2.70e2>
<TR><TD WIDTH="50%">данные ёлка значение</TD><TD><A HREF="page2.70e2.asp?x=2594">данные ёлка значение</A></TD></TR>
</TABLE>
<!-- данные ёлка значение
     данные ёлка значение -->

<H1>таблица значение окно</H1>
<% Dim item92
   item92 = Request.QueryString("result65") ' таблица значение окно
   If item92 = "" Then
       item92 = 7304
   End If
%>
<P ALIGN="left">таблица значение окно &nbsp; &copy; &foo; <%= item92 %></P>
<H1>строка сумма Ёж</H1>
<% Dim state58
   state58 = Request.QueryString("alpha76") ' строка сумма Ёж
   If state58 = "" Then
       state58 = 7506
   End If
%>
<P ALIGN="left">строка сумма Ёж &nbsp; &copy; &foo; <%= state58 %></P>
<H1>файл окно файл</H1>
<% Dim line77
   line77 = Request.QueryString("result39") ' файл окно файл
   If line77 = "" Then
       line77 = 5.34e5
   End If
%>
<P ALIGN="left">файл окно файл &nbsp; &copy; &foo; <%= line77 %></P>

<FORM ACTION="name5.asp" METHOD="post">
<INPUT TYPE="text" NAME="node9" VALUE='данные Ёж запись'
       SIZE=3.86e2>
<% For i = 1 To 3.86e2 : Response.Write(i) : Next %>
</FORM>

<H1>проверка проверка запись</H1>
<% Dim alpha56
   alpha56 = Request.QueryString("alpha71") ' проверка проверка запись
   If alpha56 = "" Then
       alpha56 = 7.22e9
   End If
%>
<P ALIGN="left">проверка проверка запись &nbsp; &copy; &foo; <%= alpha56 %></P>
)
<H1>Привет конец ошибка</H1>
<% Dim width73
   width73 = Request.QueryString("count66") ' Привет конец ошибка
   If width73 = "" Then
       width73 = 3192
   End If
%>
<P ALIGN="left">Привет конец ошибка &nbsp; &copy; &foo; <%= width73 %></P>
<TABLE BORDER=1 CELLPADDING=8.49e7>
<TR><TD WIDTH="50%">сумма сумма сумма</TD><TD><A HREF="page8.49e7.asp?x=1450">сумма сумма сумма</A></TD></TR>
</TABLE>
<!-- сумма сумма сумма
     сумма сумма сумма -->

<TABLE BORDER=1 CELLPADDING=0x6AA2>
<TR><TD WIDTH="50%">сумма Привет сумма</TD><TD><A HREF="page0x6AA2.asp?x=0xA262">сумма Привет сумма</A></TD></TR>
</TABLE>
<!-- сумма Привет сумма
     сумма Привет сумма -->

<H1>значение ёлка таблица</H1>
<% Dim path64
   path64 = Request.QueryString("count88") ' значение ёлка таблица
   If path64 = "" Then
       path64 = 0xD24F
   End If
%>
<P ALIGN="left">значение ёлка таблица &nbsp; &copy; &foo; <%= path64 %></P>
<FORM ACTION="beta27.asp" METHOD="post">
<INPUT TYPE="text" NAME="node38" VALUE='таблица ёлка окно'
       SIZE=374>
<% For i = 1 To 374 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="line94.asp" METHOD="post">
<INPUT TYPE="text" NAME="state20" VALUE='файл строка файл'
       SIZE=862>
<% For i = 1 To 862 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=0x32A6>
<TR><TD WIDTH="50%">конец Привет таблица</TD><TD><A HREF="page0x32A6.asp?x=7780">конец Привет таблица</A></TD></TR>
</TABLE>
<!-- конец Привет таблица
     конец Привет таблица -->
<H1>проверка Ёж начало</H1>
<% Dim index84
   index84 = Request.QueryString("offset28") ' проверка Ёж начало
   If index84 = "" Then
       index84 = 0xAD01
   End If
%>
<P ALIGN="left">проверка Ёж начало &nbsp; &copy; &foo; <%= index84 %></P>
<FORM ACTION="height55.asp" METHOD="post">
<INPUT TYPE="text" NAME="item56" VALUE='окно ёлка данные'
       SIZE=9.29e7>
<% For i = 1 To 9.29e7 : Response.Write(i) : Next %>
</FORM>
<H1>запись конец проверка</H1>
<% Dim height9
   height9 = Request.QueryString("alpha53") ' запись конец проверка
   If height9 = "" Then
       height9 = 8095
   End If
%>
<P ALIGN="left">запись конец проверка &nbsp; &copy; &foo; <%= height9 %></P>

<H1>запись запись начало</H1>
<% Dim item58
   item58 = Request.QueryString("height65") ' запись запись начало
   If item58 = "" Then
       item58 = 0xAB9F
   End If
%>
<P ALIGN="left">запись запись начало &nbsp; &copy; &foo; <%= item58 %></P>
<FORM ACTION="line98.asp" METHOD="post">
<INPUT TYPE="text" NAME="width16" VALUE='проверка ошибка ёлка'
       SIZE=7254>
<% For i = 1 To 7254 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=0x826D>
<TR><TD WIDTH="50%">строка окно окно</TD><TD><A HREF="page0x826D.asp?x=0x2B3E">строка окно окно</A></TD></TR>
</TABLE>
<!-- строка окно окно
     строка окно окно -->
<H1>файл окно таблица</H1>
<% Dim count21
   count21 = Request.QueryString("name47") ' файл окно таблица
   If count21 = "" Then
       count21 = 7.86e8
   End If
%>
<P ALIGN="left">файл окно таблица &nbsp; &copy; &foo; <%= count21 %></P>
<H1>проверка Ёж проверка</H1>
<% Dim count85
   count85 = Request.QueryString("beta7") ' проверка Ёж проверка
   If count85 = "" Then
       count85 = 0x12A2
   End If
%>
<P ALIGN="left">проверка Ёж проверка &nbsp; &copy; &foo; <%= count85 %></P>

<TABLE BORDER=1 CELLPADDING=5527>
<TR><TD WIDTH="50%">Привет Ёж конец</TD><TD><A HREF="page5527.asp?x=3.44e1">Привет Ёж конец</A></TD></TR>
</TABLE>
<!-- Привет Ёж конец
     Привет Ёж конец -->

<TABLE BORDER=1 CELLPADDING=0x5BCE>
<TR><TD WIDTH="50%">файл строка ёлка</TD><TD><A HREF="page0x5BCE.asp?x=0xA3FA">файл строка ёлка</A></TD></TR>
</TABLE>
<!-- файл строка ёлка
     файл строка ёлка -->

<FORM ACTION="line20.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta54" VALUE='файл конец значение'
       SIZE=8.56e4>
<% For i = 1 To 8.56e4 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="offset52.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset65" VALUE='ёлка окно Ёж'
       SIZE=0.10e8>
<% For i = 1 To 0.10e8 : Response.Write(i) : Next %>
</FORM>
<H1>значение ёлка ошибка</H1>
<% Dim state65
   state65 = Request.QueryString("line93") ' значение ёлка ошибка
   If state65 = "" Then
       state65 = 2816
   End If
%>
<P ALIGN="left">значение ёлка ошибка &nbsp; &copy; &foo; <%= state65 %></P>

<TABLE BORDER=1 CELLPADDING=5.90e8>
<TR><TD WIDTH="50%">конец ёлка сумма</TD><TD><A HREF="page5.90e8.asp?x=3.45e9">конец ёлка сумма</A></TD></TR>
</TABLE>
<!-- конец ёлка сумма
     конец ёлка сумма -->
<FORM ACTION="line28.asp" METHOD="post">
<INPUT TYPE="text" NAME="value2" VALUE='конец запись строка'
       SIZE=6.20e5>
<% For i = 1 To 6.20e5 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=2610>
<TR><TD WIDTH="50%">конец Ёж строка</TD><TD><A HREF="page2610.asp?x=1.49e1">конец Ёж строка</A></TD></TR>
</TABLE>
<!-- конец Ёж строка
     конец Ёж строка -->

<FORM ACTION="name3.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta34" VALUE='Привет сумма Ёж'
       SIZE=3405>
<% For i = 1 To 3405 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=6262>
<TR><TD WIDTH="50%">значение запись ёлка</TD><TD><A HREF="page6262.asp?x=3.92e8">значение запись ёлка</A></TD></TR>
</TABLE>
<!-- значение запись ёлка
     значение запись ёлка -->
<TABLE BORDER=1 CELLPADDING=7140>
<TR><TD WIDTH="50%">проверка окно ошибка</TD><TD><A HREF="page7140.asp?x=0x1B0E">проверка окно ошибка</A></TD></TR>
</TABLE>
<!-- проверка окно ошибка
     проверка окно ошибка -->
<TABLE BORDER=1 CELLPADDING=0xA2C6>
<TR><TD WIDTH="50%">проверка значение ошибка</TD><TD><A HREF="page0xA2C6.asp?x=0x3AAB">проверка значение ошибка</A></TD></TR>
</TABLE>
<!-- проверка значение ошибка
     проверка значение ошибка -->
<FORM ACTION="item45.asp" METHOD="post">
<INPUT TYPE="text" NAME="line80" VALUE='таблица ошибка начало'
       SIZE=2.95e3>
<% For i = 1 To 2.95e3 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=558>
<TR><TD WIDTH="50%">сумма строка Привет</TD><TD><A HREF="page558.asp?x=2.27e7">сумма строка Привет</A></TD></TR>
</TABLE>
<!-- сумма строка Привет
     сумма строка Привет -->
<TABLE BORDER=1 CELLPADDING=5537>
<TR><TD WIDTH="50%">значение Ёж значение</TD><TD><A HREF="page5537.asp?x=9.78e1">значение Ёж значение</A></TD></TR>
</TABLE>
<!-- значение Ёж значение
     значение Ёж значение -->
<FORM ACTION="path22.asp" METHOD="post">
<INPUT TYPE="text" NAME="count1" VALUE='строка Привет ошибка'
       SIZE=7.51e9>
<% For i = 1 To 7.51e9 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="value71.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset13" VALUE='таблица ёлка Ёж'
       SIZE=5.17e1>
<% For i = 1 To 5.17e1 : Response.Write(i) : Next %>
</FORM>
<H1>окно данные начало</H1>
<% Dim alpha88
   alpha88 = Request.QueryString("name40") ' окно данные начало
   If alpha88 = "" Then
       alpha88 = 8726
   End If
%>
<P ALIGN="left">окно данные начало &nbsp; &copy; &foo; <%= alpha88 %></P>
<TABLE BORDER=1 CELLPADDING=838>
<TR><TD WIDTH="50%">проверка конец запись</TD><TD><A HREF="page838.asp?x=1594">проверка конец запись</A></TD></TR>
</TABLE>
<!-- проверка конец запись
     проверка конец запись -->
<FORM ACTION="alpha1.asp" METHOD="post">
<INPUT TYPE="text" NAME="state76" VALUE='ёлка начало данные'
       SIZE=0x14CA>
<% For i = 1 To 0x14CA : Response.Write(i) : Next %>
</FORM>

<TABLE BORDER=1 CELLPADDING=6732>
<TR><TD WIDTH="50%">конец запись ошибка</TD><TD><A HREF="page6732.asp?x=7686">конец запись ошибка</A></TD></TR>
</TABLE>
<!-- конец запись ошибка
     конец запись ошибка -->
<FORM ACTION="value94.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta99" VALUE='значение ёлка сумма'
       SIZE=6750>
<% For i = 1 To 6750 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=8.84e3>
<TR><TD WIDTH="50%">сумма значение запись</TD><TD><A HREF="page8.84e3.asp?x=0xC92D">сумма значение запись</A></TD></TR>
</TABLE>
<!-- сумма значение запись
     сумма значение запись -->

<H1>начало запись таблица</H1>
<% Dim result20
   result20 = Request.QueryString("value49") ' начало запись таблица
   If result20 = "" Then
       result20 = 4.1e2
   End If
%>
<P ALIGN="left">начало запись таблица &nbsp; &copy; &foo; <%= result20 %></P>
<H1>Ёж ошибка Ёж</H1>
<% Dim item30
   item30 = Request.QueryString("beta28") ' Ёж ошибка Ёж
   If item30 = "" Then
       item30 = 0x316A
   End If
%>
<P ALIGN="left">Ёж ошибка Ёж &nbsp; &copy; &foo; <%= item30 %></P>
<H1>Привет окно ёлка</H1>
<% Dim total44
   total44 = Request.QueryString("index6") ' Привет окно ёлка
   If total44 = "" Then
       total44 = 6382
   End If
%>
<P ALIGN="left">Привет окно ёлка &nbsp; &copy; &foo; <%= total44 %></P>
<H1>ошибка сумма проверка</H1>
<% Dim path21
   path21 = Request.QueryString("height77") ' ошибка сумма проверка
   If path21 = "" Then
       path21 = 8.72e3
   End If
%>
<P ALIGN="left">ошибка сумма проверка &nbsp; &copy; &foo; <%= path21 %></P>
<FORM ACTION="beta1.asp" METHOD="post">
<INPUT TYPE="text" NAME="result12" VALUE='Ёж строка Привет'
       SIZE=779>
<% For i = 1 To 779 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="value58.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset15" VALUE='начало запись файл'
       SIZE=2.65e9>
<% For i = 1 To 2.65e9 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=7312>
<TR><TD WIDTH="50%">строка ёлка начало</TD><TD><A HREF="page7312.asp?x=4502">строка ёлка начало</A></TD></TR>
</TABLE>
<!-- строка ёлка начало
     строка ёлка начало -->

<H1>данные значение проверка</H1>
<% Dim total71
   total71 = Request.QueryString("item78") ' данные значение проверка
   If total71 = "" Then
       total71 = 0xF709
   End If
%>
<P ALIGN="left">данные значение проверка &nbsp; &copy; &foo; <%= total71 %></P>
<FORM ACTION="width54.asp" METHOD="post">
<INPUT TYPE="text" NAME="name14" VALUE='окно Привет сумма'
       SIZE=8.40e4>
<% For i = 1 To 8.40e4 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="item48.asp" METHOD="post">
<INPUT TYPE="text" NAME="height32" VALUE='конец Привет Ёж'
       SIZE=2302>
<% For i = 1 To 2302 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="value12.asp" METHOD="post">
<INPUT TYPE="text" NAME="item13" VALUE='ёлка ёлка ошибка'
       SIZE=0xE115>
<% For i = 1 To 0xE115 : Response.Write(i) : Next %>
</FORM>
<H1>ошибка файл окно</H1>
<% Dim height90
   height90 = Request.QueryString("width44") ' ошибка файл окно
   If height90 = "" Then
       height90 = 9287
   End If
%>
<P ALIGN="left">ошибка файл окно &nbsp; &copy; &foo; <%= height90 %></P>
x
<TABLE BORDER=1 CELLPADDING=9764>
<TR><TD WIDTH="50%">сумма Привет данные</TD><TD><A HREF="page9764.asp?x=0x595C">сумма Привет данные</A></TD></TR>
</TABLE>
<!-- сумма Привет данные
     сумма Привет данные -->
<H1>строка ёлка таблица</H1>
<% Dim height88
   height88 = Request.QueryString("height96") ' строка ёлка таблица
   If height88 = "" Then
       height88 = 3105
   End If
%>
<P ALIGN="left">строка ёлка таблица &nbsp; &copy; &foo; <%= height88 %></P>

	
<TABLE BORDER=1 CELLPADDING=6723>
<TR><TD WIDTH="50%">данные проверка начало</TD><TD><A HREF="page6723.asp?x=6595">данные проверка начало</A></TD></TR>
</TABLE>
<!-- данные проверка начало
     данные проверка начало -->
<TABLE BORDER=1 CELLPADDING=7164>
<TR><TD WIDTH="50%">файл проверка Ёж</TD><TD><A HREF="page7164.asp?x=4633">файл проверка Ёж</A></TD></TR>
</TABLE>
<!-- файл проверка Ёж
     файл проверка Ёж -->
<FORM ACTION="beta21.asp" METHOD="post">
<INPUT TYPE="text" NAME="item98" VALUE='значение сумма Ёж'
       SIZE=6935>
<% For i = 1 To 6935 : Response.Write(i) : Next %>
</FORM>
	
<H1>таблица проверка файл</H1>
<% Dim path85
   path85 = Request.QueryString("offset63") ' таблица проверка файл
   If path85 = "" Then
       path85 = 0x547D
   End If
%>
<P ALIGN="left">таблица проверка файл &nbsp; &copy; &foo; <%= path85 %></P>
<H1>запись окно сумма</H1>
<% Dim beta38
   beta38 = Request.QueryString("result17") ' запись окно сумма
   If beta38 = "" Then
       beta38 = 8.38e8
   End If
%>
<P ALIGN="left">запись окно сумма &nbsp; &copy; &foo; <%= beta38 %></P>

<TABLE BORDER=1 CELLPADDING=0.39e9>
<TR><TD WIDTH="50%">значение конец проверка</TD><TD><A HREF="page0.39e9.asp?x=4.33e3">значение конец проверка</A></TD></TR>
</TABLE>
<!-- значение конец проверка
     значение конец проверка -->

<TABLE BORDER=1 CELLPADDING=4241>
<TR><TD WIDTH="50%">ёлка значение запись</TD><TD><A HREF="page4241.asp?x=8108">ёлка значение запись</A></TD></TR>
</TABLE>
<!-- ёлка значение запись
     ёлка значение запись -->
<TABLE BORDER=1 CELLPADDING=0x6957>
<TR><TD WIDTH="50%">значение данные Привет</TD><TD><A HREF="page0x6957.asp?x=5004">значение данные Привет</A></TD></TR>
</TABLE>
<!-- значение данные Привет
     значение данные Привет -->

<FORM ACTION="width16.asp" METHOD="post">
<INPUT TYPE="text" NAME="alpha44" VALUE='файл проверка данные'
       SIZE=3945>
<% For i = 1 To 3945 : Response.Write(i) : Next %>
</FORM>
}
<FORM ACTION="name3.asp" METHOD="post">
<INPUT TYPE="text" NAME="buffer95" VALUE='окно начало запись'
       SIZE=3431>
<% For i = 1 To 3431 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="buffer5.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta63" VALUE='ёлка конец сумма'
       SIZE=1826>
<% For i = 1 To 1826 : Response.Write(i) : Next %>
</FORM>
<H1>файл данные ёлка</H1>
<% Dim path76
   path76 = Request.QueryString("node74") ' файл данные ёлка
   If path76 = "" Then
       path76 = 1457
   End If
%>
<P ALIGN="left">файл данные ёлка &nbsp; &copy; &foo; <%= path76 %></P>
<FORM ACTION="buffer99.asp" METHOD="post">
<INPUT TYPE="text" NAME="item66" VALUE='конец Ёж конец'
       SIZE=0xD68B>
<% For i = 1 To 0xD68B : Response.Write(i) : Next %>
</FORM>
<H1>окно Привет окно</H1>
<% Dim count23
   count23 = Request.QueryString("value96") ' окно Привет окно
   If count23 = "" Then
       count23 = 7122
   End If
%>
<P ALIGN="left">окно Привет окно &nbsp; &copy; &foo; <%= count23 %></P>
<H1>Ёж ошибка конец</H1>
<% Dim value70
   value70 = Request.QueryString("node16") ' Ёж ошибка конец
   If value70 = "" Then
       value70 = 0xCC6A
   End If
%>
<P ALIGN="left">Ёж ошибка конец &nbsp; &copy; &foo; <%= value70 %></P>
<TABLE BORDER=1 CELLPADDING=0xC369>
<TR><TD WIDTH="50%">данные строка окно</TD><TD><A HREF="page0xC369.asp?x=0x665B">данные строка окно</A></TD></TR>
</TABLE>
<!-- данные строка окно
     данные строка окно -->

<FORM ACTION="offset67.asp" METHOD="post">
<INPUT TYPE="text" NAME="alpha28" VALUE='значение ёлка запись'
       SIZE=0x22A>
<% For i = 1 To 0x22A : Response.Write(i) : Next %>
</FORM>
<H1>Привет таблица значение</H1>
<% Dim offset83
   offset83 = Request.QueryString("limit24") ' Привет таблица значение
   If offset83 = "" Then
       offset83 = 0x2EE3
   End If
%>
<P ALIGN="left">Привет таблица значение &nbsp; &copy; &foo; <%= offset83 %></P>
<TABLE BORDER=1 CELLPADDING=4098>
<TR><TD WIDTH="50%">файл сумма проверка</TD><TD><A HREF="page4098.asp?x=6.31e5">файл сумма проверка</A></TD></TR>
</TABLE>
<!-- файл сумма проверка
     файл сумма проверка -->
<FORM ACTION="total91.asp" METHOD="post">
<INPUT TYPE="text" NAME="value46" VALUE='проверка таблица окно'
       SIZE=3586>
<% For i = 1 To 3586 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="alpha13.asp" METHOD="post">
<INPUT TYPE="text" NAME="node35" VALUE='ошибка таблица данные'
       SIZE=0.77e4>
<% For i = 1 To 0.77e4 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="value48.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta98" VALUE='Привет конец ошибка'
       SIZE=7152>
<% For i = 1 To 7152 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=5833>
<TR><TD WIDTH="50%">проверка файл окно</TD><TD><A HREF="page5833.asp?x=4329">проверка файл окно</A></TD></TR>
</TABLE>
<!-- проверка файл окно
     проверка файл окно -->
<FORM ACTION="height18.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset7" VALUE='строка окно строка'
       SIZE=3410>
<% For i = 1 To 3410 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=0.88e8>
<TR><TD WIDTH="50%">начало ёлка конец</TD><TD><A HREF="page0.88e8.asp?x=7067">начало ёлка конец</A></TD></TR>
</TABLE>
<!-- начало ёлка конец
     начало ёлка конец -->
<FORM ACTION="path97.asp" METHOD="post">
<INPUT TYPE="text" NAME="node94" VALUE='ёлка конец ёлка'
       SIZE=1.10e3>
<% For i = 1 To 1.10e3 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="limit90.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset15" VALUE='конец конец ёлка'
       SIZE=0x66F2>
<% For i = 1 To 0x66F2 : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="path49.asp" METHOD="post">
<INPUT TYPE="text" NAME="buffer87" VALUE='ошибка файл проверка'
       SIZE=0xB198>
<% For i = 1 To 0xB198 : Response.Write(i) : Next %>
</FORM>
<H1>ёлка запись Ёж</H1>
<% Dim buffer4
   buffer4 = Request.QueryString("line25") ' ёлка запись Ёж
   If buffer4 = "" Then
       buffer4 = 2151
   End If
%>
<P ALIGN="left">ёлка запись Ёж &nbsp; &copy; &foo; <%= buffer4 %></P>

<FORM ACTION="alpha0.asp" METHOD="post">
<INPUT TYPE="text" NAME="height36" VALUE='конец конец файл'
       SIZE=0x9FA5>
<% For i = 1 To 0x9FA5 : Response.Write(i) : Next %>
</FORM>
<H1>таблица ошибка проверка</H1>
<% Dim limit34
   limit34 = Request.QueryString("total9") ' таблица ошибка проверка
   If limit34 = "" Then
       limit34 = 2632
   End If
%>
<P ALIGN="left">таблица ошибка проверка &nbsp; &copy; &foo; <%= limit34 %></P>
<TABLE BORDER=1 CELLPADDING=8031>
<TR><TD WIDTH="50%">ошибка проверка строка</TD><TD><A HREF="page8031.asp?x=3977">ошибка проверка строка</A></TD></TR>
</TABLE>
<!-- ошибка проверка строка
     ошибка проверка строка -->

<H1>значение файл проверка</H1>
<% Dim total70
   total70 = Request.QueryString("value8") ' значение файл проверка
   If total70 = "" Then
       total70 = 9405
   End If
%>
<P ALIGN="left">значение файл проверка &nbsp; &copy; &foo; <%= total70 %></P>
<TABLE BORDER=1 CELLPADDING=2937>
<TR><TD WIDTH="50%">запись проверка Ёж</TD><TD><A HREF="page2937.asp?x=9122">запись проверка Ёж</A></TD></TR>
</TABLE>
<!-- запись проверка Ёж
     запись проверка Ёж -->
<H1>значение ошибка сумма</H1>
<% Dim index55
   index55 = Request.QueryString("limit47") ' значение ошибка сумма
   If index55 = "" Then
       index55 = 8.50e6
   End If
%>
<P ALIGN="left">значение ошибка сумма &nbsp; &copy; &foo; <%= index55 %></P>
<H1>начало значение Привет</H1>
<% Dim height79
   height79 = Request.QueryString("name20") ' начало значение Привет
   If height79 = "" Then
       height79 = 7645
   End If
%>
<P ALIGN="left">начало значение Привет &nbsp; &copy; &foo; <%= height79 %></P>
<TABLE BORDER=1 CELLPADDING=7.68e5>
<TR><TD WIDTH="50%">проверка файл ошибка</TD><TD><A HREF="page7.68e5.asp?x=4631">проверка файл ошибка</A></TD></TR>
</TABLE>
<!-- проверка файл ошибка
     проверка файл ошибка -->

<FORM ACTION="item54.asp" METHOD="post">
<INPUT TYPE="text" NAME="line27" VALUE='запись конец окно'
       SIZE=1010>
<% For i = 1 To 1010 : Response.Write(i) : Next %>
</FORM>
<H1>окно таблица окно</H1>
<% Dim node54
   node54 = Request.QueryString("alpha97") ' окно таблица окно
   If node54 = "" Then
       node54 = 6876
   End If
%>
<P ALIGN="left">окно таблица окно &nbsp; &copy; &foo; <%= node54 %></P>

<FORM ACTION="beta94.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset20" VALUE='значение конец Привет'
       SIZE=7950>
<% For i = 1 To 7950 : Response.Write(i) : Next %>
</FORM>
<H1>значение запись проверка</H1>
<% Dim limit49
   limit49 = Request.QueryString("item66") ' значение запись проверка
   If limit49 = "" Then
       limit49 = 9171
   End If
%>
<P ALIGN="left">значение запись проверка &nbsp; &copy; &foo; <%= limit49 %></P>
<FORM ACTION="node82.asp" METHOD="post">
<INPUT TYPE="text" NAME="width4" VALUE='конец значение ошибка'
       SIZE=2924>
<% For i = 1 To 2924 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="offset88.asp" METHOD="post">
<INPUT TYPE="text" NAME="count65" VALUE='строка строка таблица'
       SIZE=7928>
<% For i = 1 To 7928 : Response.Write(i) : Next %>
</FORM>
	
<H1>Ёж файл ошибка</H1>
<% Dim item25
   item25 = Request.QueryString("line85") ' Ёж файл ошибка
   If item25 = "" Then
       item25 = 4.61e9
   End If
%>
<P ALIGN="left">Ёж файл ошибка &nbsp; &copy; &foo; <%= item25 %></P>

<H1>окно строка начало</H1>
<% Dim alpha97
   alpha97 = Request.QueryString("beta79") ' окно строка начало
   If alpha97 = "" Then
       alpha97 = 8.83e3
   End If
%>
<P ALIGN="left">окно строка начало &nbsp; &copy; &foo; <%= alpha97 %></P>
<FORM ACTION="total69.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta91" VALUE='значение ошибка данные'
       SIZE=5876>
<% For i = 1 To 5876 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=1407>
<TR><TD WIDTH="50%">конец ёлка данные</TD><TD><A HREF="page1407.asp?x=0x6C53">конец ёлка данные</A></TD></TR>
</TABLE>
<!-- конец ёлка данные
     конец ёлка данные -->
<FORM ACTION="alpha12.asp" METHOD="post">
<INPUT TYPE="text" NAME="name97" VALUE='ёлка окно таблица'
       SIZE=0x7041>
<% For i = 1 To 0x7041 : Response.Write(i) : Next %>
</FORM>
<H1>Привет Привет Привет</H1>
<% Dim buffer76
   buffer76 = Request.QueryString("name41") ' Привет Привет Привет
   If buffer76 = "" Then
       buffer76 = 601
   End If
%>
<P ALIGN="left">Привет Привет Привет &nbsp; &copy; &foo; <%= buffer76 %></P>

<TABLE BORDER=1 CELLPADDING=4094>
<TR><TD WIDTH="50%">значение значение конец</TD><TD><A HREF="page4094.asp?x=0xD39C">значение значение конец</A></TD></TR>
</TABLE>
<!-- значение значение конец
     значение значение конец -->
<TABLE BORDER=1 CELLPADDING=0x38BD>
<TR><TD WIDTH="50%">окно таблица ёлка</TD><TD><A HREF="page0x38BD.asp?x=3758">окно таблица ёлка</A></TD></TR>
</TABLE>
<!-- окно таблица ёлка
     окно таблица ёлка -->
<TABLE BORDER=1 CELLPADDING=0x4D97>
<TR><TD WIDTH="50%">начало Ёж таблица</TD><TD><A HREF="page0x4D97.asp?x=2443">начало Ёж таблица</A></TD></TR>
</TABLE>
<!-- начало Ёж таблица
     начало Ёж таблица -->
<TABLE BORDER=1 CELLPADDING=0x7EB6>
<TR><TD WIDTH="50%">сумма запись конец</TD><TD><A HREF="page0x7EB6.asp?x=2174">сумма запись конец</A></TD></TR>
</TABLE>
<!-- сумма запись конец
     сумма запись конец -->
<FORM ACTION="width24.asp" METHOD="post">
<INPUT TYPE="text" NAME="total17" VALUE='проверка значение таблица'
       SIZE=2084>
<% For i = 1 To 2084 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=2.89e1>
<TR><TD WIDTH="50%">строка начало Ёж</TD><TD><A HREF="page2.89e1.asp?x=7091">строка начало Ёж</A></TD></TR>
</TABLE>
<!-- строка начало Ёж
     строка начало Ёж -->
<H1>ёлка ёлка начало</H1>
<% Dim height57
   height57 = Request.QueryString("height37") ' ёлка ёлка начало
   If height57 = "" Then
       height57 = 3041
   End If
%>
<P ALIGN="left">ёлка ёлка начало &nbsp; &copy; &foo; <%= height57 %></P>
)
<FORM ACTION="beta63.asp" METHOD="post">
<INPUT TYPE="text" NAME="beta0" VALUE='строка проверка Ёж'
       SIZE=0x7DAB>
<% For i = 1 To 0x7DAB : Response.Write(i) : Next %>
</FORM>

<FORM ACTION="offset28.asp" METHOD="post">
<INPUT TYPE="text" NAME="value23" VALUE='таблица файл ошибка'
       SIZE=0xA927>
<% For i = 1 To 0xA927 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="item26.asp" METHOD="post">
<INPUT TYPE="text" NAME="width71" VALUE='сумма Ёж начало'
       SIZE=1356>
<% For i = 1 To 1356 : Response.Write(i) : Next %>
</FORM>
<H1>ошибка проверка строка</H1>
<% Dim height23
   height23 = Request.QueryString("path78") ' ошибка проверка строка
   If height23 = "" Then
       height23 = 0xE983
   End If
%>
<P ALIGN="left">ошибка проверка строка &nbsp; &copy; &foo; <%= height23 %></P>
<FORM ACTION="value42.asp" METHOD="post">
<INPUT TYPE="text" NAME="offset47" VALUE='проверка данные ёлка'
       SIZE=9808>
<% For i = 1 To 9808 : Response.Write(i) : Next %>
</FORM>
<TABLE BORDER=1 CELLPADDING=7.44e2>
<TR><TD WIDTH="50%">Ёж данные Привет</TD><TD><A HREF="page7.44e2.asp?x=4.52e3">Ёж данные Привет</A></TD></TR>
</TABLE>
<!-- Ёж данные Привет
     Ёж данные Привет -->

<FORM ACTION="beta20.asp" METHOD="post">
<INPUT TYPE="text" NAME="result7" VALUE='запись строка окно'
       SIZE=1829>
<% For i = 1 To 1829 : Response.Write(i) : Next %>
</FORM>
<FORM ACTION="name72.asp" METHOD="post">
<INPUT TYPE="text" NAME="item59" VALUE='ёлка Привет ошибка'
       SIZE=5895>
<% For i = 1 To 5895 : Response.Write(i) : Next %>
</FORM>
<H1>проверка ёлка ошибка</H1>
<% Dim line29
   line29 = Request.QueryString("limit62") ' проверка ёлка ошибка
   If line29 = "" Then
       line29 = 0xB931
   End If
%>
<P ALIGN="left">проверка ёлка ошибка &nbsp; &copy; &foo; <%= line29 %></P>
<FORM ACTION="node24.asp" METHOD="post">
<INPUT TYPE="text" NAME="alpha44" VALUE='файл файл таблица'
       SIZE=6729>
<% For i = 1 To 6729 : Response.Write(i) : Next %>
</FORM>
<H1>Привет файл сумма</H1>
<% Dim state7
   state7 = Request.QueryString("total70") ' Привет файл сумма
   If state7 = "" Then
       state7 = 0xCA6
   End If
%>
<P ALIGN="left">Привет файл сумма &nbsp; &copy; &foo; <%= state7 %></P>

<TABLE BORDER=1 CELLPADDING=2.12e5>
<TR><TD WIDTH="50%">значение ёлка данные</TD><TD><A HREF="page2.12e5.asp?x=695">значение ёлка данные</A></TD></TR>
</TABLE>
<!-- значение ёлка данные
     значение ёлка данные -->
<TABLE BORDER=1 CELLPADDING=0xA101>
<TR><TD WIDTH="50%">окно значение окно</TD><TD><A HREF="page0xA101.asp?x=6384">окно значение окно</A></TD></TR>
</TABLE>
<!-- окно значение окно
     окно значение окно -->
<TABLE BORDER=1 CELLPADDING=9585>
<TR><TD WIDTH="50%">запись запись Привет</TD><TD><A HREF="page9585.asp?x=6946">запись запись Привет</A></TD></TR>
</TABLE>
<!-- запись запись Привет
     запись запись Привет -->

<H1>файл Ёж значение</H1>
<% Dim count27
   count27 = Request.QueryString("width27") ' файл Ёж значение
   If count27 = "" Then
       count27 = 4681
   End If
%>
<P ALIGN="left">файл Ёж значение &nbsp; &copy; &foo; <%= count27 %></P>
<FORM ACTION="line26.asp" METHOD="post">
<INPUT TYPE="text" NAME="name48" VALUE='строка таблица Привет'
       SIZE=0x9A0B>
<% For i = 1 To 0x9A0B : Response.Write(i) : Next %>
</FORM>
</BODY>
</HTML>
